// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "widgetutil.h"
#include <QImage>
#include <QWidget>

class CWord;
class QLabel;
class QToolButton;

// A picture-backed strip showing one word's English in large type, fitted to
// the strip, with a speaker button that speaks the word.
class EnTextCtl : public QWidget {
    Q_OBJECT
public:
    explicit EnTextCtl(QWidget *parent = nullptr);

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }

    // The strip's background; grayLevel has no effect.
    void SetImage(const StdPicture &new_pic, int grayLevel = 0);
    // Nothing happens for no word. The English is fitted again only when it
    // changes.
    void SetMyWord(CWord *new_word, bool bShow = true);
    void ShowEnglish();

    CWord *Word() const { return m_word; }
    // Width available to the English (the design's guide line).
    int Line1Length() const { return m_line1; }
    void SetLine1Length(int length);
    // What the strip shows behind its English (its persistent picture).
    const QImage &FacePicture() const { return m_face; }

    static constexpr double kFitStartSize = 28;

signals:
    void Click();
    void MouseMove(int Button, int Shift, int X, int Y);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Fits the English at size s: 2 points smaller at a time while it is too
    // wide or too high, stopping at 6 points even if it still does not fit.
    void FitEnglish(double s);
    // Paints the background over the strip and takes the see-through colour
    // from its top-left pixel.
    void ApplyBackground();
    void PlaceSpeaker();
    void Speak();

    CWord *m_word = nullptr;
    StdPicture srcImage;
    QImage maskPic;
    QImage m_face;
    QLabel *lblEnglish = nullptr;
    QLabel *lblSound = nullptr;
    QToolButton *btnReadMe = nullptr;
    int m_line1 = 256;
    QObject *m_pressedOn = nullptr;
};
