#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "platform/ctime.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace velmora {

class CVelmoraMFCDoc;

// --- What the Day View's pages share with the screens that show the same values ---

// The temperature lists: item 0 is "Нет" (no temperature), items 1-41 are 36.00 to 38.00
// degrees Celsius in steps of 0.05. Both lists are indexed alike.
inline constexpr int kTemperatureItems = 42;
// The Celsius value of each item (0.0 for item 0), each the double nearest its text.
const std::array<double, kTemperatureItems>& TemperatureTable();
QString CelsiusItemText(int index);
QString FahrenheitItemText(int index);
// The item whose value equals `celsius` exactly; -1 when it is not a value of the table.
int TemperatureIndex(double celsius);

// Weights are kept in kilograms; English units show and take pounds.
inline constexpr double kPoundsPerKilogram = 2.2075055187637966;
inline constexpr double kKilogramsPerPound = 0.453;
// A weight as the weight edit shows it: up to two decimals, without trailing zeros.
QString WeightText(double value);

// A day the user cannot have lived yet: "now" is not later than the day's 00:00.
bool IsFutureDay(CTime day);

// Text limits of the Day View's fields.
inline constexpr int kKindTextLimit = 30;
inline constexpr int kNoteTextLimit = 199;

// Keeps a multi-line edit at `limit` characters as the user types or pastes.
void LimitPlainText(QPlainTextEdit* edit, int limit);

// --- The pages ---

// One page of the Day View's tab control. Load shows the document's fields; Save takes the
// controls into the fields (false: refused, nothing taken); Reset empties the controls.
class CDayViewPage : public QWidget {
public:
    CDayViewPage(CVelmoraMFCDoc& doc, int templateId, QWidget* parent);

    virtual void Load() = 0;
    virtual bool Save() = 0;
    virtual void Reset() = 0;
    // The page on show checks and takes its data before the user leaves it.
    virtual bool Validate() { return Save(); }
    // The control that takes the focus when the page comes on show.
    virtual void FocusFirst() = 0;

protected:
    CVelmoraMFCDoc& m_doc;
};

// Fluid, basal temperature and weight (template 319).
class CFluidsTempWeightPage : public CDayViewPage {
    Q_OBJECT

public:
    CFluidsTempWeightPage(CVelmoraMFCDoc& doc, QWidget* parent);

    void Load() override;
    bool Save() override;
    void Reset() override;
    void FocusFirst() override;

    // The temperature list that the units setting shows.
    QComboBox* TemperatureList() const;

private:
    bool Metric() const { return m_metric; }
    void ShowUnits();

    QComboBox* m_fluid;
    QComboBox* m_celsius;
    QComboBox* m_fahrenheit;
    QLineEdit* m_weight;
    QLabel* m_tempUnit;
    QLabel* m_weightUnit;
    bool m_metric = true;
    // The weight as the page showed it: a text the user left alone keeps the stored value,
    // so a weight stored in one unit system is never refused by the other's range.
    QString m_shownWeight;
};

// The day's note (template 320).
class CNotePage : public CDayViewPage {
    Q_OBJECT

public:
    CNotePage(CVelmoraMFCDoc& doc, QWidget* parent);

    void Load() override;
    bool Save() override;
    void Reset() override;
    void FocusFirst() override;

private:
    QPlainTextEdit* m_note;
};

// The day's four diary entries (template 321).
class CMyDiaryPage : public CDayViewPage {
    Q_OBJECT

public:
    CMyDiaryPage(CVelmoraMFCDoc& doc, QWidget* parent);

    void Load() override;
    bool Save() override;
    void Reset() override;
    void FocusFirst() override;

private:
    void TypeChanged(int row, int type);

    std::array<QComboBox*, 4> m_types{};
    std::array<QLineEdit*, 4> m_texts{};
    bool m_loading = false;
};

// The items of the lists, in list order (the positions are what the store keeps).
extern const char* const kFluidItems[7];
extern const char* const kDiaryTypeItems[7];

}  // namespace velmora
