#include "ui/scaledlg.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <cmath>
#include <limits>

#include "gfx/dibgraphicbuffer.h"
#include "gfx/imagebutton.h"
#include "gfx/pictures.h"
#include "gfx/screenbuffer.h"
#include "platform/messagebox.h"
#include "store/settings.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"
#include "ui/kit/keys.h"
#include "ui/kit/screentext.h"
#include "ui/scalecalc.h"

namespace velmora {

namespace {

const char* const kWeightModeText = QT_TRANSLATE_NOOP(
    "velmora::CScaleDlg", "Calculate your ideal weight on the base of your height");
const char* const kHeightModeText = QT_TRANSLATE_NOOP(
    "velmora::CScaleDlg", "Calculate your ideal height on the base of your weight");

// The number as the edit shows it: up to six significant digits.
QString ValueText(float value) {
    return QString::number(static_cast<double>(value), 'g', 6);
}

}  // namespace

CScaleDlg::CScaleDlg(IMainFrame* frame, QWidget* parent)
    : QDialog(parent), m_frame(frame), m_metric(IsMetric(AppSettings.UnitsFormat)) {
    setObjectName("171");
    setFont(DialogFont());
    AddHelpKey(this, [this] { OpenHelp(m_frame, 10, 15); });

    // The buffer asks for no repaints of its own: the view repaints when something changes.
    m_screen = std::make_unique<ScreenBuffer>(nullptr);
    {
        ScopedTarget target(m_screen->GetBuffer());
        DrawSkinBackground(m_background, SkinnedScreen::WeightHeightScale, AppSettings.Skin);
    }
    m_view = new RenderedScreenView(this, *m_screen, [this] { Render(); });
    m_view->move(0, 0);

    // The texts are painted; these hidden controls carry them, as the screen's data.
    for (int id : {kScaleResultId, kScaleOutputLabelId, kScaleInputLabelId, kScaleModeTextId,
                   kScaleInputUnitId, kScaleOutputUnitId}) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::number(id));
        label->hide();
    }

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QString::number(kScaleValueId));
    m_edit->setGeometry(76, 78, 74, 19);
    m_edit->setMaxLength(12);

    auto button = [this](int id, const QString& caption, int x, int y) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::number(id));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        (new CImageButton(this))->Attach(b);
        b->move(x, y);
        return b;
    };
    // The two mode buttons lie on top of each other; only one shows at a time.
    m_weightButton = button(kScaleWeightModeId, "weight", 28, 54);
    m_heightButton = button(kScaleHeightModeId, "height", 28, 54);
    m_heightButton->hide();
    QPushButton* calculate = button(kScaleCalculateId, "Calculate", 30, 160);
    QPushButton* cancel = button(kScaleCancelId, "Cancel1", 124, 159);
    connect(calculate, &QPushButton::clicked, this, [this] { Calculate(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(m_weightButton, &QPushButton::clicked, this, [this] { SwitchMode(false); });
    connect(m_heightButton, &QPushButton::clicked, this, [this] { SwitchMode(true); });
    connect(m_edit, &QLineEdit::returnPressed, this, [this] { Calculate(); });

    m_bar = new CCommandBar(this);
    m_bar->AddTools(247, {{kCmdScaleHelp, tr("Help")}}, QSize(16, 16));
    m_bar->AddStretch();
    m_bar->setGeometry(0, kScreenHeight, kScreenWidth, 26);
    connect(m_bar, &CCommandBar::commandTriggered, this, [this](int command) {
        if (command == kCmdScaleHelp) {
            OpenHelp(m_frame, 10, 15);
        }
    });

    m_weightMode = true;
    SetModeTexts();
    ShowValues();
    m_edit->setFocus();
}

CScaleDlg::~CScaleDlg() = default;

void CScaleDlg::SetModeTexts() {
    m_modeText = tr(m_weightMode ? kWeightModeText : kHeightModeText);
    m_inputLabel = m_weightMode ? tr("Height:") : tr("Weight:");
    m_outputLabel = m_weightMode ? tr("Weight:") : tr("Height:");
    const QString length = m_metric ? tr("m") : tr("ft");
    const QString mass = m_metric ? tr("kg") : tr("lb");
    m_inputUnit = m_weightMode ? length : mass;
    m_outputUnit = m_weightMode ? mass : length;
}

bool CScaleDlg::ReadValue() {
    bool ok = false;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    const double typed = c.toDouble(m_edit->text().trimmed(), &ok);
    // The number is held in single precision: anything beyond that range is not a number
    // the scale can hold.
    if (!ok || !std::isfinite(typed) || std::fabs(typed) > std::numeric_limits<float>::max()) {
        return false;
    }
    m_value = static_cast<float>(typed);
    return true;
}

void CScaleDlg::RefuseValue() {
    ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Please enter a number."), {}, MbIcon::Warning);
    m_edit->setFocus();
    m_edit->selectAll();
}

void CScaleDlg::ShowValues() {
    m_edit->setText(ValueText(m_value));
    const std::pair<int, const QString*> texts[] = {
        {kScaleResultId, &m_result},         {kScaleOutputLabelId, &m_outputLabel},
        {kScaleInputLabelId, &m_inputLabel}, {kScaleModeTextId, &m_modeText},
        {kScaleInputUnitId, &m_inputUnit},   {kScaleOutputUnitId, &m_outputUnit},
    };
    for (const auto& [id, text] : texts) {
        if (auto* label = findChild<QLabel*>(QString::number(id))) {
            label->setText(*text);
        }
    }
    m_view->update();
}

void CScaleDlg::Calculate() {
    if (!ReadValue()) {
        RefuseValue();
        return;
    }
    const ScaleAnswer answer =
        m_weightMode ? IdealWeight(m_value, m_metric) : IdealHeight(m_value, m_metric);
    if (!answer.ok) {
        ShowMessageBox(answer.message, {}, MbIcon::Warning);
        m_view->update();
        return;
    }
    m_result = QString::fromStdString(answer.text);
    ShowValues();
}

void CScaleDlg::SwitchMode(bool weightMode) {
    if (weightMode == m_weightMode) {
        return;
    }
    // A text that is no number is refused as Calculate refuses it; the mode stays.
    if (!ReadValue()) {
        RefuseValue();
        return;
    }
    m_weightMode = weightMode;
    m_weightButton->setVisible(weightMode);
    m_heightButton->setVisible(!weightMode);
    SetModeTexts();
    if (!weightMode) {
        // A weight is asked for afresh; back on the height, the height typed before stays.
        m_value = 0;
        m_result.clear();
    }
    ShowValues();
}

void CScaleDlg::Render() {
    m_screen->CopyToWindow();
    // The labels go onto a clear layer first: crisp one-bit glyphs land garbled when they
    // are drawn straight onto a 16-bit surface.
    QImage layer = m_screen->TextLayer();
    QPainter p(&layer);
    QFont crisp = font();
    crisp.setStyleStrategy(QFont::NoAntialias);
    p.setFont(crisp);
    p.setPen(Qt::black);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    auto text = [&](int left, int top, int right, int bottom, const QString& s) {
        DrawScreenText(p, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), flags, s);
    };
    // The question in two lines: the program's own text its first 40 characters, then its
    // last 14; a translation breaks at the last space that lets the first line fit.
    QString first = m_modeText.left(40);
    QString second = m_modeText.right(14);
    if (m_modeText != QString::fromUtf8(m_weightMode ? kWeightModeText : kHeightModeText)) {
        const QFontMetrics metrics(crisp);
        const int room = 235 - 9;
        qsizetype cut = m_modeText.size();
        while (cut > 0 && metrics.horizontalAdvance(m_modeText.left(cut)) > room) {
            cut = m_modeText.lastIndexOf(QLatin1Char(' '), cut - 1);
        }
        first = cut > 0 ? m_modeText.left(cut) : m_modeText;
        second = cut > 0 ? m_modeText.mid(cut + 1) : QString();
    }
    text(9, 14, 235, 29, first);
    text(9, 29, 235, 45, second);
    text(23, 80, 75, 95, m_inputLabel);
    text(23, 121, 70, 136, m_outputLabel);
    text(76, 121, 147, 136, m_result);
    text(155, 79, 173, 95, m_inputUnit);
    text(153, 120, 170, 135, m_outputUnit);
    p.end();
    auto dc = m_screen->WindowDC();
    dc->painter.drawImage(0, 0, layer);
}

void CScaleDlg::mouseReleaseEvent(QMouseEvent* event) {
    m_view->update();
    QDialog::mouseReleaseEvent(event);
}

}  // namespace velmora
