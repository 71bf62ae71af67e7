#pragma once
// What the three letter games share: the guard that tells a handler whether
// its round survived a wait that let events run, their marks and buttons, and
// the progress text.
#include "widgets/widgetutil.h"
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;
class cTransPictureBox;

namespace lettergame {

// Taken before a wait; still valid afterwards only when the widget exists and
// no StartGame or EndGame ran meanwhile.
class RoundGuard {
public:
    RoundGuard(QWidget *w, const quint64 &generation) : m_w(w), m_now(&generation), m_at(generation) {}
    bool Alive() const { return m_w && *m_now == m_at; }

private:
    QPointer<QWidget> m_w;
    const quint64 *m_now;
    quint64 m_at;
};

// Raises the game's GameOver from the event loop, never from inside the
// handler that finished the round, and only if no StartGame or EndGame ran
// since; bOK: every word right at the first try.
void QueueGameOver(QWidget *w, const quint64 &generation, std::function<void(bool)> raise);
// "3 / 12": the word now asked of all words.
QString ProgressText(int asked, int total);
// A picture of the letter games (":/letters/<name>.svg").
StdPicture Picture(const char *name);
// A borderless see-through picture button with the given face, hidden.
cTransPictureBox *MakeMark(QWidget *parent, const char *picture, const char *objectName, QSize size);
// The "3 / 12" label at the top left.
QLabel *MakeProgressLabel(QWidget *parent);
// A named timer whose tick runs onTick.
template <class Owner>
QTimer *MakeTimer(Owner *owner, const char *objectName, void (Owner::*onTick)());
// The white rounded face of a game control; corners one sixtieth of the width.
void PaintFace(QWidget *w);
void ShapeFace(QWidget *w);
// English letters in the game's large type.
QFont LetterFont(int pixelSize, bool bold = true);

} // namespace lettergame

#include <QTimer>
template <class Owner>
QTimer *lettergame::MakeTimer(Owner *owner, const char *objectName, void (Owner::*onTick)())
{
    auto *t = new QTimer(owner);
    t->setObjectName(QLatin1String(objectName));
    QObject::connect(t, &QTimer::timeout, owner, onTick);
    return t;
}
