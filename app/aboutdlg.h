#pragma once

#include <QDialog>

namespace velmora {

class ScreenWidget;

// Dialog ids of About and Mirror.
inline constexpr int kAboutTemplateId = 100;
inline constexpr int kMirrorTemplateId = 221;

// About: two pages of pictures. On the first, the left button closes and the middle one
// turns to the second page; on the second, its button closes.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    bool OnFirstPage() const { return m_page == 1; }
    // A tap at (x, y) of the picture.
    void Tap(int x, int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ShowPage(int picture);

    ScreenWidget* m_screen;
    int m_page = 1;
};

// Mirror: a black screen.
class CMirrorDlg : public QDialog {
public:
    explicit CMirrorDlg(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora
