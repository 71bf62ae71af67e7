// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "widgets/look.h"
#include <QVector>
#include <functional>

class QLabel;
class QPushButton;
class SayRecorder;
class CWord;
struct SayResult;

// "跟读" beside the word card: the child records the word, hears the model
// and then itself ("听我的"), and is told whether it was the word. The
// answer is always kind: "说对了！" with stars, or "再试一次" and the word
// said again.
class SayPanel : public RoundPanel {
    Q_OBJECT
public:
    static const QString kRight;
    static const QString kTryAgain;
    static const QString kNotHeard;

    explicit SayPanel(QWidget *parent = nullptr);
    ~SayPanel() override;

    // True while something else sounds or the word is changing: nothing is
    // recorded or played then.
    std::function<bool()> busy;
    // The word on show (the reader's); the current word when not set.
    std::function<CWord *()> word;

    QPushButton *btnSay = nullptr;
    QPushButton *btnMine = nullptr;
    QLabel *lblResult = nullptr;
    QLabel *lblStars = nullptr;
    QWidget *picLevel = nullptr;

    SayRecorder *Recorder() const { return m_recorder; }
    bool Recording() const;
    // The word's recording file name: its voice key.
    static QString WordKey(const CWord *w);

public slots:
    void btnSay_Click();
    void btnMine_Click();
    // The window closes or the word changes: the recording is dropped and
    // the last answer cleared.
    void CancelRecording();

private:
    void Recorded(bool saved, bool heardSpeech, const QVector<qint16> &pcm);
    void Answer(const SayResult &r);
    void ShowText(const QString &text, const QColor &colour, int stars = 0);
    void SayButtonIdle();
    CWord *Word() const;

    SayRecorder *m_recorder = nullptr;
    double m_level = 0;
    int m_generation = 0; // a check that returns for an older try answers nothing
};
