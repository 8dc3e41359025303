#include "engine/module.h"

namespace zv {

Module1::Module1()
{
    vars_.add("Level", Level);
    vars_.add("SelectedAnswer", SelectedAnswer);
    vars_.add("QuestionRec", QuestionRec);
    vars_.add("GameType", GameType);
    vars_.add("GameOver", GameOver);
    vars_.add("KyaAllowed", KyaAllowed);
    vars_.add("Msg3Flag", Msg3Flag);
    vars_.add("Msg3FromReveal", Msg3FromReveal);
    vars_.add("Was5050Enabled", Was5050Enabled);
    vars_.add("WasPhoneEnabled", WasPhoneEnabled);
    vars_.add("WasAudienceEnabled", WasAudienceEnabled);
    vars_.add("DeleteNo", DeleteNo);
    vars_.add("ConvBuf", ConvBuf);
    vars_.add("KyaOption", KyaOption);
    vars_.add("FastStartup", FastStartup);
    vars_.add("HoverA", HoverA);
    vars_.add("HoverB", HoverB);
    vars_.add("HoverC", HoverC);
    vars_.add("HoverD", HoverD);
    vars_.add("HoverLock", HoverLock);
    vars_.add("HoverWithdraw", HoverWithdraw);
    vars_.add("HoverKya", HoverKya);
    vars_.add("HoverExit", HoverExit);
    vars_.add("HoverStart", HoverStart);
    vars_.add("MsgOpen", MsgOpen);
    vars_.add("Msg2Open", Msg2Open);
    vars_.add("Msg3Open", Msg3Open);
    vars_.add("ExitOpen", ExitOpen);
    vars_.add("BlinkCount", BlinkCount);
    vars_.add("BlinkState", BlinkState);
    vars_.add("LockedCorrect", LockedCorrect);
    vars_.add("SuspenseTicks", SuspenseTicks);
}

std::string Module1::EscapeCommas(std::string_view text)
{
    ConvBuf = zv::EscapeCommas(text);
    return ConvBuf;
}

std::string Module1::UnescapeCommas(std::string_view text)
{
    ConvBuf = zv::UnescapeCommas(text);
    return ConvBuf;
}

}  // namespace zv
