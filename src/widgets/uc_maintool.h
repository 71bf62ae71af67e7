// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

class QLabel;

// The learning window's toolbar: a rounded bar of ten picture buttons that
// light up under the mouse, name themselves in a tip line and report clicks
// by button index. Buttons 4 ("自动浏览") and 5 ("停止自动浏览") share one
// place and take turns.
class UC_MainTool : public QWidget {
    Q_OBJECT
public:
    explicit UC_MainTool(QWidget *parent = nullptr);

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }

    // Index of the highlighted button, -1 when none.
    int currShowButton = -1;

    // Button 5 gives way to button 4 again.
    void StopAutoread();
    // Every button back to its normal picture; nothing highlighted.
    void GrayedAll();
    void ShowButton(int index);

    static constexpr int kButtons = 10;
    static constexpr int kButtonWidth = 60;
    static constexpr int kButtonHeight = 50;
    static constexpr int kPitch = 72;
    // Tip text of button index.
    static QString TipText(int index);
    // Place of button index from the left, 1..9 (4 and 5 share place 5).
    static int Place(int index);

    QLabel *Button(int index) const;
    // imgFocusBtn(index) when highlighted, imgFocusBtn(index + 10) otherwise.
    const QPixmap &ButtonPicture(int index, bool highlighted) const;

signals:
    void Click(int index);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ApplyShape();
    int IndexOf(QObject *button) const;
    void HoverButton(int index);
    void ClickButton(int index);

    std::vector<QLabel *> picTools;   // 0..9
    std::vector<QPixmap> imgFocusBtn; // 0..9 highlighted, 10..19 normal
    QLabel *lblTip = nullptr;
    int m_pressed = -1;
};
