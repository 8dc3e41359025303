#include "history/history_csv.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#include "history/statement.h"

namespace zv::history {

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

namespace {
std::string secondsText(double seconds)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", seconds);
    return buf;
}
}  // namespace

std::string exportCsv(const HistoryDb& db, const std::filesystem::path& file)
{
    if (!db.handle()) return "the record is not open";
    std::filesystem::path temp = file;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return "the file cannot be created";
        out << "game_id,started,ended,game_type,level_reached,amount_won,outcome,lifelines,"
               "level,question_no,question,picked,correct,right,seconds\r\n";
        Statement q(db.handle(),
                    "SELECT g.id, g.started, ifnull(g.ended, ''), g.game_type, g.level_reached, g.amount_won, "
                    "ifnull(g.outcome, ''), g.lifelines, a.level, a.question_no, a.question, a.picked, a.correct, "
                    "a.right, a.seconds FROM games g LEFT JOIN answers a ON a.game_id = g.id ORDER BY g.id");
        while (q.step() == SQLITE_ROW) {
            out << q.integer(0) << ',' << csvField(q.text(1)) << ',' << csvField(q.text(2)) << ',' << q.integer(3)
                << ',' << q.integer(4) << ',' << q.integer(5) << ',' << q.text(6) << ',' << csvField(q.text(7));
            if (q.isNull(8)) {
                out << ",,,,,,,\r\n";
                continue;
            }
            out << ',' << q.integer(8) << ',' << q.integer(9) << ',' << csvField(q.text(10)) << ',' << q.text(11)
                << ',' << csvField(q.text(12)) << ',' << q.integer(13) << ','
                << (q.isNull(14) ? std::string() : secondsText(q.real(14))) << "\r\n";
        }
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            return "the disk is full or the folder cannot be written";
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return "the file cannot be replaced (" + ec.message() + ")";
    }
    return {};
}

}  // namespace zv::history
