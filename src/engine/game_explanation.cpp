// The explanation of a question, which the question's author may keep beside
// the bank: shown on the board after the verdict, in a panel of its own, so
// that the dialogs keep their texts. In Fast the next question is already on
// the board then; the panel names the question it explains and stays until
// the player picks an option.

#include "bank/question_extras.h"
#include "engine/game.h"

namespace zv {

void Game::rememberExplanation()
{
    // Read at every draw: the editor may have changed it since the last.
    const QuestionExtras extras = QuestionExtras::read(p_.bank, bankfile::kBank);
    const QuestionExtra* extra = extras.find(m_.QuestionRec[kQuestion]);
    explanation_ = extra ? extra->explanation : std::string();
    explainedLevel_ = m_.Level;
}

void Game::explainAnswer()
{
    if (explanation_.empty()) return;
    Control& panel = ctl("lblExplain");
    panel.setCaption("Question " + std::to_string(explainedLevel_) + ": " + explanation_);
    panel.setVisible(true);
}

void Game::hideExplanation() { ctl("lblExplain").setVisible(false); }

}  // namespace zv
