#pragma once
// The rules of the games window apart from pixels: titles, ranks, the correct
// ratio, coins, the question before a started game is left, and where the
// result window's choice leads.
#include <QPoint>
#include <QPointF>
#include <QString>

namespace gamerules {

constexpr int kGameCount = 7;
// gTestMode when no game is shown
constexpr int kNoGame = 100;

// "单词认认看" ... "单词默写"; "" outside 0..6.
QString GameTitle(int testMode);
// Games 4 to 6 are spelled letter by letter.
inline bool IsLetterGame(int testMode) { return testMode >= 4; }

// "军衔：新兵" ... "军衔：大将" for a coin count.
QString RankCaption(int coins);

// (100 × right) div words, in whole numbers; 0 for no words.
int CorrectRatio(int right, int words);
// Every word answered right at the first try; never for no words.
inline bool IsPerfect(int right, int words) { return words > 0 && right == words; }
// Coins of a game with the given ratio: 1 or 3 for a perfect game, else 0.
int CoinsForResult(int testMode, int ratio);
// "恭喜你获得<coins>个金币,积<10 × right>分"
QString ResultScoreText(int coins, int right);
// "3 / 12": the place of the word now asked.
QString ProgressText(int words, int untested);

// The question before a started, unfinished game is left; "" when none is
// asked (nothing answered yet, or every word done).
QString EarlyExitQuestion(int untested, int words);
struct ExitDecision {
    bool leave = true;  // the game may be left
    int coinsLeft = 0;
};
// confirmed: the learner's OK to the question (ignored when none is asked).
// Leaving costs one coin, but never a learner's last one.
ExitDecision DecideEarlyExit(int untested, int words, int coins, bool confirmed);

// What follows the result window.
enum class AfterResult {
    Return,       // the games window closes
    Start,        // game `game` starts
    Congratulate, // "恭喜你闯关成功！", then the games window closes
    Choose,       // no game starts; the learner picks one
};
struct ResultChoice {
    AfterResult what = AfterResult::Choose;
    int game = -1;
};
// userSelect: 0 return, 1 the same game, 2 the next game. firstUnfinished is
// the unit's IsAllCompleted() after this result was recorded.
ResultChoice ChooseAfterResult(int userSelect, int testMode, int firstUnfinished, bool bOK);

// A slide of kSteps counted steps from one place to another; the last step
// lands exactly on the target, so a slide always ends.
class SlideSteps {
public:
    static constexpr int kSteps = 10;
    static constexpr int kStepMs = 20;

    SlideSteps() = default;
    SlideSteps(QPoint from, QPoint to) : m_from(from), m_to(to) {}

    // One step; false once the target has been reached.
    bool Tick();
    QPoint Pos() const;
    bool Done() const { return m_done >= kSteps; }
    int StepsDone() const { return m_done; }

private:
    QPoint m_from, m_to;
    int m_done = 0;
};

} // namespace gamerules
