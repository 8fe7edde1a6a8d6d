#include "app/sim/advise.h"
#include "core/scoring.h"
#include "expert/expert.h"
#include <cstdlib>
#include <cstring>

namespace {

// One position: USED SUMMA DICE THROWS. Returns the reason it cannot be read, or null.
const char* parsePosition(char* line, int32_t cells[ROW_COUNT], DiceThrow& dice, int32_t& throws) {
    const char* field[4];
    int32_t n = 0;
    for (char* token = std::strtok(line, " \t\r\n"); token != nullptr;
         token = std::strtok(nullptr, " \t\r\n"))
        if (n++ < 4)
            field[n - 1] = token;
    if (n != 4)
        return "expected USED SUMMA DICE THROWS";
    if (std::strlen(field[0]) != EXPERT_ROWS || std::strspn(field[0], "01") != EXPERT_ROWS)
        return "USED must be 15 characters 0 or 1";
    uint32_t used = 0;
    for (int32_t bit = 0; bit < EXPERT_ROWS; bit++)
        used |= static_cast<uint32_t>(field[0][bit] == '1') << bit;
    if (used == EXPERT_ALL_USED)
        return "no free row";
    const size_t digits = std::strspn(field[1], "0123456789");
    if (digits == 0 || digits > 3 || field[1][digits] != 0)
        return "SUMMA must be a whole number";
    const int32_t summa = static_cast<int32_t>(std::strtol(field[1], nullptr, 10));
    if (!expertSheetReachable(used, summa))
        return "SUMMA cannot be reached with these upper rows";
    if (std::strlen(field[2]) != 5 || std::strspn(field[2], "123456") != 5)
        return "DICE must be five pips 1 to 6";
    if (std::strlen(field[3]) != 1 || std::strspn(field[3], "012") != 1)
        return "THROWS must be 2, 1 or 0";
    for (int32_t r = 0; r < ROW_COUNT; r++)
        cells[r] = 0;
    for (int32_t bit = 0; bit < EXPERT_ROWS; bit++)
        if (used >> bit & 1u)
            cells[expertRowOf(bit)] = -1; // used; the score does not matter, only "summa"
    cells[ROW_SUM] = summa;
    dice = DiceThrow{};
    for (int32_t i = 0; i < 5; i++)
        dice.face[i] = field[2][i] - '1';
    analyseThrow(dice);
    throws = field[3][0] - '0';
    return nullptr;
}

} // namespace

int RunAdvise(std::FILE* in, std::FILE* out) {
    char line[256];
    while (std::fgets(line, sizeof line, in) != nullptr) {
        const size_t length = std::strlen(line);
        if (length == sizeof line - 1 && line[length - 1] != '\n') {
            int c;
            while ((c = std::fgetc(in)) != EOF && c != '\n') {
            }
            std::fputs("error line too long\n", out);
            continue;
        }
        int32_t cells[ROW_COUNT], throws = 0;
        DiceThrow dice;
        if (const char* error = parsePosition(line, cells, dice, throws)) {
            std::fprintf(out, "error %s\n", error);
            continue;
        }
        const ExpertAdvice advice = expertAdvice(cells, dice, throws);
        if (throws == 0) {
            std::fprintf(out, "row %d\n", advice.row);
            continue;
        }
        char kept[6];
        int32_t n = 0;
        for (int32_t i = 0; i < 5; i++) // the dice stand sorted after the analysis
            if (advice.hold[i] != 0)
                kept[n++] = static_cast<char>('1' + dice.face[i]);
        kept[n] = 0;
        std::fprintf(out, "keep %s\n", n > 0 ? kept : "-");
    }
    return std::fflush(out) == 0 ? 0 : 1;
}
