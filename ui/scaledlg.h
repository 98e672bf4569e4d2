#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "gfx/fastbitmap.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class CCommandBar;
class IMainFrame;
class ScreenBuffer;
class RenderedScreenView;

// Control and command ids of the weight and height scale.
enum ScaleControl : int {
    kScaleValueId = 1022,
    kScaleCalculateId = 1004,
    kScaleWeightModeId = 1005,  // shown while the scale gives the weight; switches to height
    kScaleHeightModeId = 1006,  // shown while the scale gives the height; switches to weight
    kScaleCancelId = 2,
    kScaleResultId = 1011,
    kScaleOutputLabelId = 1012,
    kScaleInputLabelId = 1013,
    kScaleModeTextId = 1014,
    kScaleInputUnitId = 1052,
    kScaleOutputUnitId = 1053,
    kCmdScaleHelp = 32836,
};

// The weight and height scale: the ideal weight for a height, or the ideal height for a
// weight, in metric or English units as the settings say. Its labels and the result are
// painted over the skin's background.
class CScaleDlg : public QDialog {
    Q_OBJECT

public:
    explicit CScaleDlg(IMainFrame* frame, QWidget* parent = nullptr);
    ~CScaleDlg() override;

    // true while the scale gives the weight for a height (as it opens).
    bool WeightMode() const { return m_weightMode; }
    void Calculate();
    void SwitchMode(bool weightMode);

    QString Result() const { return m_result; }
    QString ModeText() const { return m_modeText; }
    QString InputLabel() const { return m_inputLabel; }
    QString OutputLabel() const { return m_outputLabel; }
    QString InputUnit() const { return m_inputUnit; }
    QString OutputUnit() const { return m_outputUnit; }

    // Draws the screen as it shows now into the window surface.
    void Render();
    ScreenBuffer& Screen() { return *m_screen; }
    CCommandBar* CommandBar() const { return m_bar; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The number typed; false when the text is not one.
    bool ReadValue();
    // Tells the user the edit holds no number and hands it the focus.
    void RefuseValue();
    void ShowValues();
    void SetModeTexts();

    IMainFrame* m_frame;
    bool m_metric;
    bool m_weightMode = true;
    float m_value = 0;
    QString m_result;
    QString m_modeText;
    QString m_outputLabel;
    QString m_inputLabel;
    QString m_inputUnit;
    QString m_outputUnit;
    std::unique_ptr<ScreenBuffer> m_screen;
    CFastBitmap m_background;
    RenderedScreenView* m_view = nullptr;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_weightButton = nullptr;
    QPushButton* m_heightButton = nullptr;
    CCommandBar* m_bar = nullptr;
};

}  // namespace velmora
