// My Diary and Add note driven as a person would, with the store read back afterwards.

#include <sqlite3.h>
#include <QDateEdit>

#include "tests/support/faultvfs.h"
#include "tests/ui/entrytest.h"
#include "ui/addnotedlg.h"
#include "ui/dayviewpages.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/reporttable.h"
#include "ui/mydiarydlg.h"

namespace velmora {
namespace {

using test::Day;
using test::Press;

class MyDiaryTest : public test::EntryTest {
protected:
    void MyDiary(const std::function<void(CMyDiaryDlg&)>& act) {
        When(act);
        CMyDiaryDlg dialog(doc, &frame);
        RunModal(dialog, &frame, "My Diary");
    }
    // The rows shown, each as "date text".
    static QStringList Shown(const CMyDiaryDlg& s) {
        QStringList rows;
        for (int i = 0; i < s.List()->RowCount(); ++i) {
            rows << s.List()->TextsAt(i).mid(0, 2).join(u' ');
        }
        return rows;
    }
    static void AddNote(CMyDiaryDlg& s, QDate date, const QString& text) {
        QueueModalHook([date, text](QDialog& note) {
            test::Control<QDateEdit>(&note, kAddNoteDateId)->setDate(date);
            test::Control<QPlainTextEdit>(&note, kAddNoteTextId)->setPlainText(text);
            Press(&note, 1);
        });
        Press(&s, kMyDiaryAddId);
    }
    // Stores a day's four diary slots.
    static void Notes(int y, int m, int d, std::array<int16_t, 4> types,
                      std::array<CString, 4> texts) {
        test::SaveDay(y, m, d, [&](CVelmoraMFCDoc& day) {
            day.m_diaryType = types;
            day.m_diaryText = texts;
        });
    }
    // A diary of three days with entries of several kinds, and other data on two of them.
    static void WriteDiary() {
        Notes(2026, 11, 2, {1, 2, 1, 0}, {u"стрижка", u"маска", u"укладка", u""});
        Notes(2025, 5, 5, {1, 0, 0, 0}, {u"давно", u"", u"", u""});
        Notes(2026, 11, 10, {6, 1, 0, 0}, {u"разное", u"чёлка", u"", u""});
        test::SaveDay(2026, 11, 2, [](CVelmoraMFCDoc& d) {
            d.m_fluid = 2;
            d.m_note = u"заметка";
        });
        test::SaveDay(2026, 11, 10, [](CVelmoraMFCDoc& d) { d.m_weight = 58; });
    }
};

TEST_F(MyDiaryTest, ListsOneKindNewestFirstInSlotOrderAndViewOpensTheDayOnItsDiaryPage) {
    WriteDiary();
    AppSettings.MyDiaryType = 0;
    MyDiary([&](CMyDiaryDlg& s) {
        EXPECT_EQ(List(s, kMyDiaryKindId)->currentText(), "Парикмахер");
        EXPECT_EQ(Shown(s), (QStringList{"10.11.2026 чёлка", "02.11.2026 стрижка",
                                         "02.11.2026 укладка", "05.05.2025 давно"}));
        // View: an entry must be chosen; the day opens on its diary page and its change shows.
        Press(&s, kMyDiaryViewId);
        EXPECT_EQ(boxes.Texts(),
                  std::vector<std::string>{"You should select an item from the list!"});
        s.List()->SelectRow(1);
        frame.SetTitle("My Diary");
        QueueModalHook([&](QDialog& dialog) {
            auto& day = dynamic_cast<CDayViewDlg&>(dialog);
            EXPECT_EQ(frame.title, "Day View");
            EXPECT_EQ(day.DateText(), "02.11.2026");
            EXPECT_EQ(day.CurrentPage(), 2);
            EXPECT_EQ(Edit(day, kDayViewDiaryText1Id)->text(), "стрижка");
            Edit(day, kDayViewDiaryText1Id)->setText("короткая стрижка");
            // A type set back to none empties its text.
            EXPECT_EQ(Edit(day, kDayViewDiaryText2Id)->text(), "маска");
            List(day, kDayViewDiaryType2Id)->setCurrentIndex(0);
            EXPECT_EQ(Edit(day, kDayViewDiaryText2Id)->text(), "");
            EXPECT_FALSE(Edit(day, kDayViewDiaryText2Id)->isEnabled());
            Command(day, kCmdDayViewSave);
        });
        Press(&s, kMyDiaryViewId);
        EXPECT_EQ(frame.title, "My Diary");
        EXPECT_EQ(Shown(s).value(1), "02.11.2026 короткая стрижка");
        List(s, kMyDiaryKindId)->setCurrentIndex(5);
    });
    auto day = test::Stored(2026, 11, 2);
    EXPECT_EQ(day->m_diaryType, (std::array<int16_t, 4>{1, 0, 1, 0}));
    EXPECT_EQ(day->m_diaryText,
              (std::array<CString, 4>{u"короткая стрижка", u"", u"укладка", u""}));
    EXPECT_EQ(RecordsPerDay().size(), 3u);
    EXPECT_EQ(AppSettings.MyDiaryType, 5);  // the kind chosen last is shown the next time
}

TEST_F(MyDiaryTest, DeleteRemovesTheFirstEntryOfItsKindWithItsText) {
    Notes(2026, 7, 7, {2, 1, 1, 1}, {u"одно", u"то же", u"другое", u"то же"});
    test::SaveDay(2026, 7, 7, [](CVelmoraMFCDoc& d) { d.m_temperature = 36.8; });
    AppSettings.MyDiaryType = 0;
    MyDiary([&](CMyDiaryDlg& s) {
        // Nothing chosen: asked first, then told to choose.
        boxes.Script({IDYES});
        Press(&s, kMyDiaryDeleteId);
        EXPECT_EQ(boxes.Texts(),
                  (std::vector<std::string>{"Are you sure you want to delete this note?",
                                            "You should select an item from the list!"}));
        EXPECT_EQ(boxes.Boxes()[0].buttons, MbButtons::YesNo);
        s.List()->SelectRow(2);  // the second "то же"
        boxes.Script({IDNO});
        Press(&s, kMyDiaryDeleteId);
        EXPECT_EQ(s.List()->RowCount(), 3);
        s.List()->SelectRow(2);
        boxes.Script({IDYES});
        Press(&s, kMyDiaryDeleteId);
        EXPECT_EQ(Shown(s), (QStringList{"07.07.2026 другое", "07.07.2026 то же"}));
    });
    auto day = test::Stored(2026, 7, 7);
    ASSERT_NE(day, nullptr);
    // Of the two alike, the first slot was emptied.
    EXPECT_EQ(day->m_diaryType, (std::array<int16_t, 4>{2, 0, 1, 1}));
    EXPECT_EQ(day->m_diaryText, (std::array<CString, 4>{u"одно", u"", u"другое", u"то же"}));
    EXPECT_EQ(day->m_temperature, 36.8);
    EXPECT_EQ(RecordsPerDay().size(), 1u);
}

TEST_F(MyDiaryTest, DeleteAllClearsOneKindKeepsEverythingElseAndStopsAtAFailedRewrite) {
    test::FaultVfs vfs;
    WriteDiary();
    AppSettings.MyDiaryType = 0;
    const std::string question = "Are you sure you want to delete all notes?";
    MyDiary([&](CMyDiaryDlg& s) {
        vfs.FailWrites(SQLITE_FULL);
        boxes.Script({IDYES});
        Press(&s, kMyDiaryDeleteAllId);
        vfs.Heal();
        EXPECT_EQ(s.List()->RowCount(), 4);
        EXPECT_EQ(test::Stored(2026, 11, 2)->m_diaryType[0], 1);
        boxes.Script({IDNO});
        Press(&s, kMyDiaryDeleteAllId);
        EXPECT_EQ(s.List()->RowCount(), 4);
        boxes.Script({IDYES});
        Press(&s, kMyDiaryDeleteAllId);
        EXPECT_EQ(s.List()->RowCount(), 0);
        Press(&s, kMyDiaryDeleteAllId);  // an empty list asks nothing
    });
    EXPECT_EQ(boxes.CountText(question), 3u);
    EXPECT_EQ(boxes.CountText("Add Record Error!"), 1u);
    auto first = test::Stored(2026, 11, 2);
    EXPECT_EQ(first->m_diaryType, (std::array<int16_t, 4>{0, 2, 0, 0}));
    EXPECT_EQ(first->m_diaryText[0] + u"|" + first->m_diaryText[1] + u"|" + first->m_note,
              u"|маска|заметка");
    EXPECT_EQ(first->m_fluid, 2);
    auto third = test::Stored(2026, 11, 10);
    EXPECT_EQ(third->m_diaryType, (std::array<int16_t, 4>{6, 0, 0, 0}));
    EXPECT_EQ(third->m_weight, 58.0);
    EXPECT_EQ(test::Stored(2025, 5, 5)->m_diaryType[0], 0);
    EXPECT_EQ(RecordsPerDay(),
              (std::map<Day, int>{{{2025, 5, 5}, 1}, {{2026, 11, 2}, 1}, {{2026, 11, 10}, 1}}));
}

// Add note offers the program's years and cuts an overlong text as the store does; a note
// fills the first free slot of its day, or makes the day's record, and a fifth is refused.
TEST_F(MyDiaryTest, AddNoteFillsTheFirstFreeSlotAndRefusesAFifth) {
    Notes(2026, 10, 1, {3, 0, 5, 0}, {u"ногти", u"", u"врач", u""});
    test::SaveDay(2026, 10, 1, [](CVelmoraMFCDoc& d) { d.m_sex = true; });
    test::SaveDay(2026, 4, 4, [](CVelmoraMFCDoc& d) { d.m_note = u"день"; });
    AppSettings.MyDiaryType = 3;  // "Фитнес"
    MyDiary([&](CMyDiaryDlg& s) {
        QueueModalHook([](QDialog& note) {
            auto* date = test::Control<QDateEdit>(&note, kAddNoteDateId);
            EXPECT_EQ(date->date(), QDate(2026, 12, 6));  // today
            EXPECT_EQ(date->minimumDate(), QDate(1995, 1, 1));
            date->setDate(QDate(2026, 4, 4));
            auto* text = test::Control<QPlainTextEdit>(&note, kAddNoteTextId);
            text->setPlainText(QString(300, QChar(u'ж')));
            EXPECT_EQ(text->toPlainText().size(), 240);
            Press(&note, 1);
        });
        Press(&s, kMyDiaryAddId);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Very long string??"});
        boxes.Clear();
        QueueModalHook([](QDialog& note) {
            test::Control<QPlainTextEdit>(&note, kAddNoteTextId)->setPlainText("отменена");
            Press(&note, 2);
            EXPECT_FALSE(note.isVisible());
            note.reject();
        });
        Press(&s, kMyDiaryAddId);
        EXPECT_EQ(s.List()->RowCount(), 1);
        AddNote(s, QDate(2026, 10, 3), "йога");
        AddNote(s, QDate(2026, 10, 1), "бассейн");
        AddNote(s, QDate(2026, 10, 1), "зал");
        EXPECT_EQ(Shown(s), (QStringList{"03.10.2026 йога", "01.10.2026 бассейн", "01.10.2026 зал",
                                         "04.04.2026 " + QString(199, QChar(u'ж'))}));
        AddNote(s, QDate(2026, 10, 1), "пятая");
        EXPECT_EQ(s.List()->RowCount(), 4);
    });
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{
                                 "The maximum number of notes for this day is reached. You are "
                                 "not able to enter more than 4 items for a day!"});

    auto full = test::Stored(2026, 10, 1);
    EXPECT_EQ(full->m_diaryType, (std::array<int16_t, 4>{3, 4, 5, 4}));
    EXPECT_EQ(full->m_diaryText, (std::array<CString, 4>{u"ногти", u"бассейн", u"врач", u"зал"}));
    EXPECT_TRUE(full->m_sex);
    auto made = test::Stored(2026, 10, 3);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->m_diaryType, (std::array<int16_t, 4>{4, 0, 0, 0}));
    EXPECT_EQ(made->m_sportKind + u"|" + made->m_acheKind, u"Sport|Ache");
    auto cut = test::Stored(2026, 4, 4);
    EXPECT_EQ(cut->m_diaryText[0], CString(199, u'ж'));
    EXPECT_EQ(cut->m_diaryType[0], 4);
    EXPECT_EQ(RecordsPerDay().size(), 3u);
}

}  // namespace
}  // namespace velmora
