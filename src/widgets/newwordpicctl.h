// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "widgetutil.h"
#include <QImage>
#include <QRect>
#include <QWidget>

class CWord;
class QLabel;
class QTimer;

// One word shown as a picture card: the word's picture stretched over the
// card with its Chinese meaning laid over it (or, without a picture, the
// Chinese in large type on the default picture), a flip when the word
// changes, and the word's voice on request.
class NewWordPicCtl : public QWidget {
    Q_OBJECT
public:
    explicit NewWordPicCtl(QWidget *parent = nullptr);

    CWord *myWord = nullptr;
    // Set by an owner just before it destroys the card: no redraw, no flip.
    bool bUnloading = false;

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }

    // Speaks myWord nReadTimes times and returns when it is done.
    void ReadMe(int nReadTimes);
    // False, and nothing changed, for no word.
    bool SetPicWord(CWord *new_word, bool bEffect, bool bChinese, int iCHType);
    // The card shows the word's English in large type over its picture.
    void LoadEnglish(CWord *new_word);
    // iCHType 0: brief Chinese, otherwise the detailed one.
    void ShowChinese(bool bChinese, int iCHType);
    void drawimage(bool bEffect);
    // Turns the card over to the word it already shows, with the picture it
    // already loaded (nothing is read or decoded again).
    void TurnOver();
    // Shows a given picture instead of a word's; a non-zero grayLevel flips.
    void SetImage(const StdPicture &new_pic, int grayLevel);

    // What the card shows behind its text line (null before the first word).
    const QImage &FacePicture() const { return m_face; }
    // The picture the card shows at its natural size.
    const StdPicture &Picture() const { return srcImage; }
    bool HasPicture() const { return bHasPic; }
    // Off: the next SetPicWord lays the card out as one without a picture (its
    // meaning in the middle), so "图片" off still leaves "中文" to be seen.
    void SetPictureShown(bool on) { m_pictureShown = on; }
    bool PictureShown() const { return m_pictureShown; }
    double BaseFontSize() const { return baseFontSize; }

    static constexpr int kFlipSteps = 40;
    static constexpr int kFlipStepMs = 30;
    static constexpr int kPeekMs = 2000;
    // Where step n (1..40) of the flip paints on a W x H card; an empty rect
    // for a step that leaves the card as it is. incoming: the new picture.
    static QRectF FlipFrame(int n, int W, int H, bool *incoming = nullptr);
    // Font size of the Chinese on a card without picture, from its width.
    static double BaseFontSizeFor(int width);

signals:
    void Click();
    void MouseMove(int Button, int Shift, int X, int Y);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    // Takes on the card's current size (canvas, base font size, rounded
    // shape) if it has not yet; true when the size was new.
    bool SyncSize();
    // Runs the flip; false when the card was destroyed meanwhile.
    // *superseded is set when a newer drawing took over the card.
    bool RunFlip(quint64 generation, bool *superseded);
    // Paints step n of the flip into the face; false when the step leaves the
    // card as it is.
    bool PaintFlipFrame(int n, int W, int H);
    // Keeps the text line inside step n's face.
    void CutCaption(int n, int W, int H);
    QImage BlankFace() const;
    // srcPic from srcImage at the card's size, unless it is that already.
    void StretchSource();
    // Shrinks the line's font by 2 points while it is wider than 80 % of the
    // card or higher than 90 % of it, never below 12 pixels: at that size a
    // line still too large is wrapped and, past the lines that fit, cut short.
    void FitLine(double startSize);
    // Draws and returns whether the card still exists afterwards.
    bool DrawImage(bool bEffect);
    void HideChineseAgain();
    void FlipAfterResize(quint64 generation);

    bool bHasPic = false;
    double baseFontSize = 42;
    StdPicture srcImage;          // the current picture at its natural size
    StdPicture baseImage;         // the outgoing picture of the next flip
    StdPicture imgBackup;         // the default picture of a word without picture
    StdPicture m_background;      // what the card shows before its first picture
    QImage srcPic;                // srcImage stretched to the card
    StdPicture m_srcPicOf;        // what srcPic was stretched from
    QImage m_face;                // the card's persistent picture
    QImage m_frame;               // the canvas of the flip's frames
    QLabel *lblChinese = nullptr; // the text line; named "lblChinese"
    QTimer *timHideCH = nullptr;
    QSize m_syncedSize;
    quint64 m_drawGeneration = 0;
    bool m_pressed = false;
    bool m_pictureShown = true;
};
