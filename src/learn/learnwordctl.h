// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QCursor>
#include <QWidget>
#include <functional>
#include <vector>

class CWord;
class ClickLabel;
class NewWordPicCtl;
class cTransPictureBox;
class QInputEvent;
class QLabel;
class QToolButton;
class SentenceLine;

// The word reader of the learning window: one word of the current unit at a
// time (English, transcription, picture card with the Chinese, an example
// sentence), a strip of up to nine thumbnails of its neighbours, and the
// moves forward and back in lesson or random order.
class LearnWordCtl : public QWidget {
    Q_OBJECT
public:
    explicit LearnWordCtl(QWidget *parent = nullptr);
    ~LearnWordCtl() override;

    // Off during auto-browse: clicks on the reader do nothing. Kept apart from
    // QWidget's enabled state so that the word does not turn grey meanwhile.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool on) { m_enabled = on; }

    // The word shown; null before the first ChangeWord.
    CWord *myWord = nullptr;
    // The card turns over on every change; switched off only for measuring.
    bool bEffect = true;

    void LoadWordArr(int iWordIndex, bool bPrevGroup);
    void SetNextWord();
    void SetPrevWord();
    // The learner's moves: during the reader's voice they cut the voice short
    // and follow as soon as the reader is free; otherwise as above.
    void MoveNext();
    void MovePrev();
    // Stops the reader's voice and runs move (if any) once the reader is
    // free; false when no voice of the reader is under way.
    bool CutVoiceFor(std::function<void()> move);
    // A word or sentence of the reader is being spoken.
    bool Speaking() const { return m_speaking; }
    // Applies the display settings to the word shown, without reloading or speaking it.
    void UpdateDisp();
    void UpdateWord(bool bMute);
    void ClearArrWordPics();
    void ChangeWord(int iWordIndex, bool bPrev);
    // After another window may have changed the selection: the position is
    // brought into the unit, the strip is rebuilt and the word is shown again;
    // it is spoken only when it is another word than before (or speakAlways).
    void Reload(bool speakAlways);

    // A word change (flip, speaking) is running.
    bool Changing() const { return bChanging; }
    // Input that waited in the queue while the reader blocked in a sound or a
    // flip: it belongs to no word the learner could see, so it is dropped.
    bool IsStaleInput(const QInputEvent *e) const;

    // The strip: first word number and number of thumbnails (0 when empty).
    int StripFirst() const;
    int StripCount() const { return int(ArrWords.size()) - 1; }
    // Thumbnail j (1-based) of the strip, or null.
    NewWordPicCtl *Thumbnail(int j) const;
    // The word number a thumbnail shows.
    static int Tag(const QWidget *thumb);
    // Left edge of thumbnail 1 for a strip of n words.
    static int StripLeft(int n);

    // The sentence line as shown, as rich text with the word highlighted.
    QString SentenceHtml() const;

    static constexpr int kWidth = 858;
    static constexpr int kHeight = 444;
    static constexpr int kThumbW = 80;
    static constexpr int kThumbH = 50;
    static constexpr int kPitch = 83;
    static constexpr int kStripSpan = 861;
    static constexpr int kMaxThumbs = 9;
    static constexpr int kStripTop = 388;
    static constexpr int kLift = 3;

    // Parts, named as the window's design names them.
    NewWordPicCtl *WordPicCtl1 = nullptr;
    ClickLabel *lblEnglish = nullptr;
    ClickLabel *lblSound = nullptr;
    QLabel *lblWordIndex = nullptr;
    QLabel *lblWordNum = nullptr;
    SentenceLine *lblSentenceEN = nullptr;
    QLabel *lblSentenceCH = nullptr;
    QToolButton *btnReadSentence = nullptr;
    std::vector<NewWordPicCtl *> ArrWords; // 0 is the hidden template
    cTransPictureBox *picBorder = nullptr;
    cTransPictureBox *picFirstWordTIP = nullptr;
    cTransPictureBox *picLastWordTIP = nullptr;

    // The pointer the mouse shows over the background.
    enum class Pointer {
        Normal,
        Prev,
        Next
    };
    Pointer CurrentPointer() const { return m_pointer; }

signals:
    void MouseMove(int X, int Y);
    // A message or window is about to open over the reader (a missing voice,
    // the phonetic font help): the owner stops auto-browse first.
    void ModalAhead();
    // A change or a voice has ended (queued after it).
    void BusyEnded();

protected:
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void ShowWordAt(int iWordIndex, bool bPrev, bool bQuiet);
    void ShowWordInfo();
    void ShowSentence();
    void PlaceBorder(int iWordIndex);
    void ShowNothing();
    void ShowTip(cTransPictureBox *tip);
    void HideTips();
    void ThumbHover(NewWordPicCtl *thumb);
    void ThumbClick(NewWordPicCtl *thumb);
    void LowerThumbs(NewWordPicCtl *except);
    void CardClick();
    void EnglishClick();
    void ReadSentenceClick();
    // Speaks the word; false when the reader went away meanwhile.
    bool SpeakWord(int times);
    bool SpeakSentence();
    // Runs a voice of the reader that the learner may cut short; false when
    // the reader went away meanwhile.
    bool Speak(const std::function<void()> &say);
    void GoToThumb(int tag);
    void CheckPhoneticFont();
    void MarkBusyEnded();
    void SetPointer(Pointer p);
    bool CardShown() const;
    bool SentenceShown() const;

    bool bChanging = false;
    bool m_enabled = true;
    bool m_fontOffered = false;
    bool m_fontReady = false;
    bool m_staleBarrier = false;
    bool m_speaking = false;
    std::function<void()> m_afterVoice;
    qint64 m_busyEndMs = -1;
    Pointer m_pointer = Pointer::Normal;
    QCursor m_prevCursor;
    QCursor m_nextCursor;
};
