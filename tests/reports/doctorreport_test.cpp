// The report for the doctor as a person gets it: a diary of known cycles written as PDF in
// each language and read back with poppler's pdftotext and pdfinfo; the paper by locale;
// and the menu's screen that saves it.

#include <sys/stat.h>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include "app/doctorreportdlg.h"
#include "reports/doctorreport.h"
#include "tests/app/apptest.h"
#include "tests/reports/reporttest.h"
#include "ui/kit/language.h"

namespace velmora {
namespace {

// Runs a poppler tool; its standard output, or a failure.
QString RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0)
        << program.toStdString() << " " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const QString& pdf) {
    return RunTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// The diary: bleedings of known lengths starting 1 Jun, 29 Jun, 30 Jul, 16 Sep, 15 Oct and
// 12 Nov 2026 (cycles of 28, 31, 48, 29 and 28 days, the 48 too long to count), a running
// cycle on its 25th day, and November's temperatures, a weight, symptoms, a note and a diary
// entry.
void WriteDiary() {
    const struct {
        int month, day, days;
    } periods[] = {{6, 1, 5}, {6, 29, 5}, {7, 30, 4}, {9, 16, 6}, {10, 15, 5}, {11, 12, 5}};
    for (const auto& p : periods) {
        test::WritePeriod(2026, p.month, p.day, p.days);
    }
    test::SaveDay(2026, 11, 13, [](CVelmoraMFCDoc& day) {
        day.m_cramps = true;
        day.m_ache = true;
        day.m_acheKind = u"Головная";
        day.m_note = u"Ibuprofen 200 mg twice";
    });
    test::SaveDay(2026, 11, 20, [](CVelmoraMFCDoc& day) {
        day.m_temperature = 36.45;
        day.m_weight = 61.5;
    });
    test::SaveDay(2026, 11, 21, [](CVelmoraMFCDoc& day) { day.m_temperature = 36.5; });
    test::SaveDay(2026, 11, 28, [](CVelmoraMFCDoc& day) { day.m_temperature = 36.85; });
    test::SaveDay(2026, 11, 25, [](CVelmoraMFCDoc& day) {
        day.m_diaryType[0] = 5;
        day.m_diaryText[0] = u"Ultrasound";
    });
}

class DoctorReportTest : public test::ScreenStoreTest {
protected:
    ~DoctorReportTest() override { ApplyLanguage(UiLanguage::Source); }
    QString Pdf(const char* name) const {
        return QString::fromStdString(home->Root()) + QLatin1Char('/') + QLatin1String(name);
    }
};

TEST_F(DoctorReportTest, ThePdfHoldsTheCyclesStatisticsAndDaysInEachLanguage) {
    WriteDiary();
    // Lines as pdftotext lays them out: the numbers of a row stand on one line.
    const QStringList everywhere = {
        // The three last complete cycles and the running one; not the earlier ones.
        R"(30\.07\.2026\s+4\s+48\s)", R"(16\.09\.2026\s+6\s+29\s)", R"(15\.10\.2026\s+5\s+28\s)",
        R"(12\.11\.2026\s+5\s)",
        // Day by day, in the user's units.
        R"(20\.11\.2026\s+36\.45\s+61\.50)", R"(13\.11\.2026\s+\S.*Ibuprofen 200 mg twice)",
        R"(Ultrasound)"};
    // Counted cycles of the report (29, 28), of the whole diary (28, 31, 29, 28), and the
    // periods of the report (4, 6, 5): number, mean, median, SD, shortest, longest; the
    // decimals in the user's locale.
    const QStringList figures = {R"(\s2\s+28D5\s+28D5\s+0D7\s+28\s+29\n)",
                                 R"(\s4\s+29D0\s+28D5\s+1D4\s+28\s+31\n)",
                                 R"(\s3\s+5D0\s+5D0\s+1D0\s+4\s+6\n)"};
    const struct {
        UiLanguage language;
        QStringList lines;
    } cases[] = {
        {UiLanguage::Source,
         {R"(Report for the Doctor)", R"(From 30\.07\.2026 to 06\.12\.2026)",
          R"(30\.07\.2026\s+4\s+48\s+cycle too long)", R"(12\.11\.2026\s+5\s+running, day 25)",
          R"(Cycles of this report\s+2\s)", R"(November 2026)",
          R"(13\.11\.2026\s+Нормальные\s+ache: Головная, Спазмы)", R"(Доктор: Ultrasound)"}},
        {UiLanguage::English,
         {R"(November 2026)", R"(13\.11\.2026\s+Normal\s+ache: Headache, Cramps)",
          R"(Doctor: Ultrasound)"}},
        {UiLanguage::Russian,
         {R"(Ноябрь 2026)", R"(13\.11\.2026\s+Нормальные\s+боль: Головная, Спазмы)",
          R"(Доктор: Ultrasound)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(LanguageCode(c.language).toStdString());
        ASSERT_TRUE(ApplyLanguage(c.language));
        const CDoctorReport report = CDoctorReport::Read(3);
        QString error;
        const QString pdf = Pdf("report.pdf");
        const int pages = report.WritePdf(pdf, QPageSize(QPageSize::A4), error);
        ASSERT_GT(pages, 1) << error.toStdString();
        const QString text = PdfText(pdf);
        QStringList lines = everywhere + c.lines;
        for (QString figure : figures) {
            lines << figure.replace(u'D', QRegularExpression::escape(QLocale().decimalPoint()));
        }
        for (const QString& line : lines) {
            EXPECT_TRUE(text.contains(QRegularExpression(line))) << line.toStdString();
        }
        EXPECT_FALSE(text.contains(QLatin1String("29.06.2026")));  // a cycle before the three
        // Every page is there, numbered of the right count.
        EXPECT_TRUE(
            RunTool(QStringLiteral("pdfinfo"), {pdf})
                .contains(QRegularExpression(QStringLiteral(R"(Pages:\s+%1\n)").arg(pages))));
        QSet<QString> numbers;
        const QRegularExpression footer(QStringLiteral(R"(\s(\d+)\s+\S+\s+%1$)").arg(pages));
        for (const QString& page : text.split(u'\f', Qt::SkipEmptyParts)) {
            numbers.insert(footer.match(page.trimmed()).captured(1));
        }
        for (int page = 1; page <= pages; ++page) {
            EXPECT_TRUE(numbers.contains(QString::number(page))) << page;
        }
    }
}

TEST_F(DoctorReportTest, PaperFollowsTheLocaleAndTheFileIsPrivate) {
    using P = QPageSize;
    const struct {
        const char* locale;
        P::PageSizeId paper;
    } papers[] = {{"en_US", P::Letter}, {"fr_CA", P::Letter}, {"es_MX", P::Letter},
                  {"en_GB", P::A4},     {"de_DE", P::A4},     {"ru_RU", P::A4}};
    for (const auto& p : papers) {
        EXPECT_EQ(ReportPageSize(QLocale(QLatin1String(p.locale))).id(), p.paper) << p.locale;
    }
    // An empty diary still makes a report; it replaces an older file, owner only, and
    // leaves nothing else beside it.
    const QString pdf = Pdf("letter.pdf");
    test::WriteFileBytes(pdf.toStdString(), "old");
    ASSERT_EQ(chmod(pdf.toLocal8Bit().constData(), 0644), 0);
    QString error;
    const int pages = CDoctorReport::Read(6).WritePdf(
        pdf, ReportPageSize(QLocale(QStringLiteral("en_US"))), error);
    ASSERT_EQ(pages, 1) << error.toStdString();
    EXPECT_EQ(test::FileMode(pdf.toStdString()), 0600);
    EXPECT_EQ(test::ReadFileBytes(pdf.toStdString()).substr(0, 5), "%PDF-");
    EXPECT_TRUE(RunTool(QStringLiteral("pdfinfo"), {pdf}).contains(QLatin1String("(letter)")));
    EXPECT_TRUE(PdfText(pdf).contains(QLatin1String("Nothing was recorded in this period.")));
    EXPECT_EQ(QDir(QString::fromStdString(home->Root()))
                  .entryList({QStringLiteral("letter*")}, QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("letter.pdf")});
    test::WritePeriod(2026, 11, 12, 5);  // one bleeding: a running cycle and no complete one
    ASSERT_EQ(CDoctorReport::Read(6).WritePdf(pdf, QPageSize(QPageSize::A4), error), 1);
    EXPECT_TRUE(PdfText(pdf).contains(QLatin1String("not complete yet")));
    // A folder that is not there: the error names the file, and nothing is written.
    const QString nowhere = Pdf("missing/report.pdf");
    EXPECT_EQ(CDoctorReport::Read(6).WritePdf(nowhere, QPageSize(QPageSize::A4), error), 0);
    EXPECT_TRUE(error.contains(nowhere)) << error.toStdString();
}

class DoctorReportScreenTest : public test::AppTest {};

TEST_F(DoctorReportScreenTest, TheMenuCommandSavesTheChosenCycles) {
    WriteDiary();
    Start();
    const QString pdf = QString::fromStdString(home->Root()) + QStringLiteral("/chosen.pdf");
    QString shownTitle;
    QueueModalHook([&](QDialog& dialog) {
        shownTitle = dialog.windowTitle();
        auto* cycles = test::Control<QComboBox>(&dialog, kReportCyclesId);
        ASSERT_NE(cycles, nullptr);
        cycles->setCurrentIndex(0);  // the last three
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(cycles, &enter);
    });
    QString suggested;
    QueueModalHook([&](QDialog& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        suggested = files.selectedFiles().value(0);
        files.selectFile(pdf);
        static_cast<QDialog&>(files).accept();
    });
    app->OnCommand(kCmdDoctorReport);
    EXPECT_EQ(PendingModalHooks(), 0);
    EXPECT_EQ(shownTitle, "Report for the Doctor");
    EXPECT_TRUE(suggested.endsWith(QLatin1String("/velmora-report-2026-12-06.pdf")))
        << suggested.toStdString();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Texts().back(), "The report is saved to " + pdf.toStdString() + ".");
    EXPECT_TRUE(PdfText(pdf).contains(QLatin1String("From 30.07.2026 to 06.12.2026")));
}

}  // namespace
}  // namespace velmora
