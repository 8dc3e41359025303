// The game board from its load to the first question, and the draw of every
// later question.

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "bank/level_copy.h"
#include "engine/game.h"

namespace zv {

namespace {
// Int(count * r) + 1 in single precision: uniform over 1 to count. A number
// that rounds up to 1 in single precision would give count + 1; it is kept
// at count.
float pickOf(int count, double r)
{
    float pick = std::floor(static_cast<float>(count) * static_cast<float>(r)) + 1.0f;
    if (count > 0 && pick > static_cast<float>(count)) pick = static_cast<float>(count);
    return pick;
}

// Why the question could not be put on the board, in the player's words.
// A working copy that was not written whole, or not read back, holds no
// question the board may show: its lines, or the fields of whatever line
// was split last, may be cut short or of another level.
std::string notPrepared(const std::string& why) { return "The question could not be prepared: " + why + "."; }

std::string folderName(const std::filesystem::path& dir)
{
    const std::u8string name = dir.u8string();
    return std::string(name.begin(), name.end());
}

std::string copyFault(const BankFolder& bank, const LevelCopy& copy)
{
    if (copy.readError)
        return notPrepared("the question bank " + std::string(bankfile::kBank) + " could not be read (" +
                           plainReason(copy.readError) + ")");
    if (copy.copyError)
        return notPrepared("the game cannot write its working file " + std::string(bankfile::kDrawCopy) + " in " +
                           folderName(bank.dir()) + " (" + plainReason(copy.copyError) + ")");
    return {};
}

std::string readBackFault(const BankFolder& bank, std::error_code error)
{
    return notPrepared("the game cannot read back its working file " + std::string(bankfile::kDrawCopy) + " in " +
                       folderName(bank.dir()) + " (" +
                       (error ? plainReason(error) : "it holds fewer questions than were written to it") + ")");
}

}  // namespace

void Game::Form_Load()
{
    // The options dialog reads config.txt when it is first loaded.
    p_.app.load(forms::kOptions);
    m_.ExitOpen = false;
    m_.SelectedAnswer = "E";
    m_.BlinkState = 0;

    // Laid out for 15360 x 11520 twips; scaled to the screen it opens on.
    scaleToScreen(false);
    // The board fills the screen.
    setWidth(p_.app.screenWidth());
    setHeight(p_.app.screenHeight());

    lblStart.setVisible(true);
    m_.Level = 1;
    CheckLevel = 1;
    for (int i = 0; i < 4; ++i) {
        lblAnswer[static_cast<std::size_t>(i)]->setEnabled(false);
        optionLetter(i).setEnabled(false);
        option(i).setEnabled(false);
    }
    fontSizing();
    if (!m_.FastStartup) Missing();
}

void Game::Missing()
{
    MissingLevels.clear();
    QCount = 0;
    LevelsPresent = 0;
    CheckLevel = 1;
    // One pass over the bank tells every level's questions; temp.zrv is left
    // holding level 15's, as a pass per level would leave it.
    const LevelTally tally = tallyLevels(p_.bank, bankfile::kLevelCopy, m_.QuestionRec, RecLine);
    if (tally.readError) {
        // Counts of a bank read in part would name levels as missing that are not.
        p_.app.msgBox("The question bank could not be read (" + plainReason(tally.readError) + ").");
        p_.app.unload(kName);
        return;
    }
    while (CheckLevel <= 15) {
        if (tally.count[static_cast<std::size_t>(CheckLevel - 1)] == 0) {
            ++QCount;
            MissingLevels += "  " + std::to_string(CheckLevel);
        } else {
            ++LevelsPresent;
        }
        ++CheckLevel;
    }
    reportSkippedLines(tally.skipped);
    if (LevelsPresent == 15) return;
    if (LevelsPresent == 0)
        p_.app.msgBox("No questions present, please copy imp.zrv file to the application installed directory");
    else
        p_.app.msgBox("Question(s) for the following level(s)" + MissingLevels +
                      " are missing. Please add these question using Question Editor.");
    p_.app.unload(kName);
}

void Game::lblStart_Click()
{
    p_.record->gameStarted(m_.GameType);
    hideExplanation();
    m_.Msg3Flag = 0;
    m_.Msg3FromReveal = 0;
    m_.GameOver = false;
    flip2 = 0;
    m_.MsgOpen = m_.Msg2Open = m_.Msg3Open = false;
    m_.ExitOpen = false;
    kTimes = 3;
    m_.KyaAllowed = true;

    for (int i = 0; i < 4; ++i) option(i).copyPicture(ImgBlack);

    for (Control* c : {&Label2, &Label3, &Label4, &Label5, &lblLock, &lblWith, &lblKya, &lblTotal, &lblQNo, &lblAs,
                       &lblFor})
        c->setVisible(true);
    lblFor.setEnabled(true);
    lblStart.setVisible(false);
    if (!m_.KyaOption) lblKya.setVisible(false);

    for (Control* c : {&lblLock, &lblKya, &lblWith, &lblExit}) c->setEnabled(true);
    m_.KyaAllowed = true;

    m_.Was5050Enabled = m_.WasPhoneEnabled = m_.WasAudienceEnabled = true;
    Image9.setEnabled(true);
    Image10.setEnabled(true);
    Image11.setEnabled(true);
    Image9.copyPicture(Image1);
    Image10.copyPicture(Image2);
    Image11.copyPicture(Image3);

    for (int i = 0; i < 4; ++i) {
        lblAnswer[static_cast<std::size_t>(i)]->setEnabled(true);
        optionLetter(i).setEnabled(true);
        option(i).setEnabled(true);
    }
    Option1.setValue(1);

    lblTotal.setCaption("0");
    lblAs.setCaption("0");
    lblFor.setCaption("1000");
    lblQNo.setCaption("1");
    m_.SelectedAnswer = "E";
    m_.Level = 1;
    m_.BlinkState = 0;

    for (Control* row : Label1) row->setForeColor(palette::kOrange);
    Label1[0]->setForeColor(palette::kWhite);

    // The first question: only a difficulty of exactly "1" is level 1 here.
    LevelCopy copy = copyLevel(p_.bank, bankfile::kDrawCopy, 1, LevelMatch::Text, m_.QuestionRec, RecLine);
    FieldNo = copy.lastSplit;
    if (copy.bankEmpty) {
        p_.app.msgBox("No questions present. The file imp.zrv seems to be empty. Please use restore feature present "
                      "in Question editor to get back all default questions.");
        p_.app.unload(kName);
        return;
    }
    QCount = copy.count;
    const double r = p_.app.rnd();
    std::string fault = copyFault(p_.bank, copy);
    PickNo = fault.empty() ? drawnLine(1, QCount, r) : pickOf(QCount, r);
    if (fault.empty() && p_.bank.isEmpty(bankfile::kDrawCopy)) {
        setDialogText(forms::kMessage3, forms::kMessageText, "No question(s) present for this level");
        p_.app.show(forms::kMessage3);
        reportSkippedLines(copy.skipped);
        return;
    }
    std::optional<std::string> line = readDrawnLine(PickNo, fault);
    if (!fault.empty()) {
        // No game can start without its first question: the board closes,
        // as for an empty bank, and the player may try again from the menu.
        showQuestion("", {"", "", "", ""}, "");
        p_.app.msgBox(fault);
        p_.app.unload(kName);
        return;
    }
    FieldNo = SplitRecord(*line, m_.QuestionRec);
    rememberExplanation();
    const auto& rec = m_.QuestionRec;
    showQuestion(UnescapeCommas(rec[kQuestion]),
                 {UnescapeCommas(rec[2]), UnescapeCommas(rec[3]), UnescapeCommas(rec[4]), UnescapeCommas(rec[5])},
                 UnescapeCommas(rec[kAnswer]));
    reportSkippedLines(copy.skipped);
}

float Game::drawnLine(int level, int count, double r)
{
    // Fresh questions first: the player's record may leave fewer of the
    // level's questions to draw from; the one random number picks among
    // those as it would among all.
    if (count <= 0 || !p_.record->remembersLevel(level)) return pickOf(count, r);
    std::error_code error;
    const std::vector<std::string> lines = readLines(p_.bank, bankfile::kDrawCopy, &error);
    if (error || lines.size() != static_cast<std::size_t>(count)) return pickOf(count, r);
    std::vector<std::string> questions;
    QuestionRecord rec;
    for (const std::string& line : lines) {
        SplitRecord(line, rec);
        questions.push_back(m_.UnescapeCommas(rec[kQuestion]));
    }
    const std::vector<std::size_t> drawable = p_.record->drawable(level, questions);
    if (drawable.empty() || drawable.size() == questions.size()) return pickOf(count, r);
    const auto pick = static_cast<std::size_t>(pickOf(static_cast<int>(drawable.size()), r));
    return static_cast<float>(drawable[pick - 1] + 1);
}

std::optional<std::string> Game::readDrawnLine(float pick, std::string& fault)
{
    // Nothing is read from a working copy that was not written whole.
    if (!fault.empty()) return std::nullopt;
    std::error_code readBack;
    auto line = readLine(p_.bank, bankfile::kDrawCopy, static_cast<std::size_t>(pick), &readBack);
    if (!line) fault = readBackFault(p_.bank, readBack);
    return line;
}

void Game::NextQuestion()
{
    if (m_.Level >= 15) {
        ++m_.Level;
        return;
    }
    ++m_.Level;
    LevelCopy copy =
        copyLevel(p_.bank, bankfile::kDrawCopy, m_.Level, LevelMatch::Number, m_.QuestionRec, RecLine);
    const double r = p_.app.rnd();
    std::string fault = copyFault(p_.bank, copy);
    const float pick = fault.empty() ? drawnLine(m_.Level, copy.count, r) : pickOf(copy.count, r);
    if (fault.empty() && p_.bank.isEmpty(bankfile::kDrawCopy))
        fault = "No question(s) present for the level : " + std::to_string(m_.Level);
    std::optional<std::string> line = readDrawnLine(pick, fault);
    if (!fault.empty()) {
        p_.app.msgBox(fault);
        // The game cannot go on without this level's question: rather than
        // a question of another level, the board shows none and the player
        // leaves with the money won so far, as after a withdrawal.
        showQuestion("", {"", "", "", ""}, "");
        lblQNo.setCaption(std::to_string(m_.Level));
        lblWith_Click();
        return;
    }
    SplitRecord(*line, m_.QuestionRec);
    rememberExplanation();
    auto& rec = m_.QuestionRec;
    for (int i = 0; i <= kOptionD; ++i) rec[static_cast<std::size_t>(i)] = m_.UnescapeCommas(rec[static_cast<std::size_t>(i)]);
    showQuestion(rec[kQuestion], {rec[2], rec[3], rec[4], rec[5]}, rec[kAnswer]);
    lblQNo.setCaption(std::to_string(m_.Level));
    reportSkippedLines(copy.skipped);
}

void Game::showQuestion(const std::string& question, const std::array<std::string, 4>& options,
                        const std::string& correct)
{
    lblQuestion.setCaption(question);
    for (std::size_t i = 0; i < 4; ++i) lblAnswer[i]->setCaption(options[i]);
    lblCorrect.setCaption(correct);
    if (question.empty()) return;
    announceQuestion();
    const auto serial = numberValue(m_.QuestionRec[kSerial]);
    p_.record->questionShown(m_.Level, serial ? static_cast<int>(*serial) : 0, question, correct);
}

void Game::reportSkippedLines(const std::vector<std::size_t>& lines)
{
    if (lines.empty() || skippedReported_) return;
    skippedReported_ = true;
    p_.app.msgBox(describeSkippedLines(lines));
}

void Game::Enable()
{
    for (int i = 0; i < 4; ++i) option(i).copyPicture(ImgBlack);
    for (int i = 0; i < 4; ++i) {
        option(i).setEnabled(true);
        lblAnswer[static_cast<std::size_t>(i)]->setEnabled(true);
        optionLetter(i).setEnabled(true);
    }
}

void Game::lifeLine()
{
    ll = 0;
    for (Control* image : {&Image9, &Image10, &Image11})
        if (image->enabled()) ++ll;
}

void Game::fontSizing()
{
    const int w = p_.app.screenWidth();
    if (w >= 19300) return;  // large screens keep the design sizes
    const int col = w < 12100 ? 0 : (w < 16000 ? 1 : 2);
    auto size = [col](std::array<double, 3> sizes, std::initializer_list<Control*> controls) {
        for (Control* c : controls) c->setFontSize(sizes[static_cast<std::size_t>(col)]);
    };
    size({10, 12, 14}, {&lblLock, &lblWith, &lblKya});
    size({6, 8, 12}, {&lblTotal, &lblAs, &lblQNo, &lblFor});
    size({10, 12, 16}, {&Label2, &Label3, &Label4, &Label5});
    size({8, 10, 14}, {&ctl("Label19")});
    size({10, 12, 16}, {&ctl("Label20")});
    size({10, 12, 16}, {&lblQuestion, &lblA, &lblB, &lblC, &lblD});
    for (Control* c : lblAnswer) size({10, 12, 16}, {c});
    for (Control* c : Label1) size({6, 8, 12}, {c});
    size({18, 22, 28}, {&lblStart, &lblExit});
}

}  // namespace zv
