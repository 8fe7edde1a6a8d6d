#include "app/sim/review.h"
#include "core/scoring.h"
#include "expert/expert.h"
#include "review/review.h"
#include <cstring>
#include <string>

namespace {

struct Seat {
    int32_t cells[ROW_COUNT];
    int32_t face[5]; // the dice of the last throw, for the row written after it
    int32_t turn;    // the turn of that throw; 0 before the first
    int32_t decisions;
    double loss;
};

struct Reader {
    std::FILE* out;
    long long game = 0;
    int32_t seats = 0;
    Seat seat[MAX_SLOTS];
};

void endGame(Reader& r) {
    for (int32_t p = 0; p < r.seats; p++)
        std::fprintf(r.out, "review g=%lld p=%d decisions=%d loss=%.4f\n", r.game, p,
                     r.seat[p].decisions, r.seat[p].loss);
    r.seats = 0;
}

// The seat of a line, starting its game when it is a new one.
Seat* seatOf(Reader& r, long long g, int32_t p) {
    if (p < 0 || p >= MAX_SLOTS || g < 1)
        return nullptr;
    if (g != r.game || r.seats == 0) {
        if (r.seats > 0)
            endGame(r);
        r.game = g;
        for (Seat& s : r.seat)
            s = Seat{};
    }
    r.seats = p + 1 > r.seats ? p + 1 : r.seats;
    return &r.seat[p];
}

bool digits(const char* s, const char* allowed, int32_t out[5]) {
    if (std::strlen(s) != 5 || std::strspn(s, allowed) != 5)
        return false;
    for (int32_t i = 0; i < 5; i++)
        out[i] = s[i] - allowed[0];
    return true;
}

void print(Reader& r, Seat& s, int32_t t, int32_t p, const ReviewDecision& d) {
    char best[8] = "-";
    if (d.kind == REVIEW_ROW) {
        std::snprintf(best, sizeof best, "%d", d.best[0]);
    } else {
        int32_t n = 0;
        for (int32_t f = 0; f < 6; f++)
            for (int32_t k = 0; k < d.best[f] && n < 5; k++)
                best[n++] = static_cast<char>('1' + f);
        best[n > 0 ? n : 1] = 0;
    }
    std::fprintf(r.out, "review g=%lld t=%d p=%d k=%d loss=%.4f best=%s\n", r.game, t, p, d.kind,
                 d.loss, best);
    s.decisions++;
    s.loss += d.loss;
}

const char* throwLine(Reader& r, const char* line) {
    long long g;
    int32_t t, p, k, held[5], end = 0;
    char dice[8], heldText[8];
    if (std::sscanf(line, "throw g=%lld t=%d p=%d k=%d dice=%7s held=%7s%n", &g, &t, &p, &k, dice,
                    heldText, &end) != 6 ||
        line[end] != 0)
        return "a throw line is THROW g=G t=T p=P k=K dice=DDDDD held=HHHHH";
    Seat* s = seatOf(r, g, p);
    if (s == nullptr || k < 1 || t < 1 || !digits(dice, "123456", s->face) ||
        !digits(heldText, "01", held))
        return "a throw's game, seat, number, dice or holds are out of range";
    s->turn = t;
    if (expertUsedRows(s->cells) == EXPERT_ALL_USED)
        return "a throw for a full sheet";
    if (k <= 2)
        print(r, *s, t, p, reviewHold(s->cells, s->face, held, k));
    return nullptr;
}

const char* rowLine(Reader& r, const char* line) {
    long long g;
    int32_t t, p, row, cell, total, end = 0;
    if (std::sscanf(line, "row g=%lld t=%d p=%d row=%d cell=%d total=%d%n", &g, &t, &p, &row, &cell,
                    &total, &end) != 6 ||
        line[end] != 0)
        return "a row line is ROW g=G t=T p=P row=R cell=C total=X";
    Seat* s = g == r.game && p >= 0 && p < r.seats ? &r.seat[p] : nullptr;
    if (s == nullptr || s->turn != t)
        return "a row without a throw of its turn before it";
    if (row < 0 || row >= ROW_TOTAL || row == ROW_SUM || row == ROW_BONUS || s->cells[row] != 0)
        return "a row that is not free";
    print(r, *s, t, p, reviewRow(s->cells, s->face, row));
    // Write it as the commit did, and check the trace agrees.
    DiceThrow dice{};
    std::memcpy(dice.face, s->face, sizeof dice.face);
    analyseThrow(dice);
    const int32_t score = rowScore(row, dice);
    s->cells[row] = score > 0 ? score : -1;
    s->cells[ROW_SUM] += row < 6 ? score : 0;
    const int32_t bonus = s->cells[ROW_SUM] >= 63 ? 50 : 0;
    s->cells[ROW_TOTAL] += score + bonus - s->cells[ROW_BONUS];
    s->cells[ROW_BONUS] = bonus;
    if (cell != s->cells[row] || total != s->cells[ROW_TOTAL])
        return "a row's cell or total differs from the dice's score";
    s->turn = 0;
    return nullptr;
}

} // namespace

int RunReview(std::FILE* in, std::FILE* out) {
    Reader r;
    r.out = out;
    char line[256];
    for (long number = 1; std::fgets(line, sizeof line, in) != nullptr; number++) {
        line[std::strcspn(line, "\r\n")] = 0;
        const char* error = nullptr;
        if (std::strncmp(line, "throw ", 6) == 0)
            error = throwLine(r, line);
        else if (std::strncmp(line, "row ", 4) == 0)
            error = rowLine(r, line);
        else if (std::strncmp(line, "end ", 4) == 0 && r.seats > 0)
            endGame(r);
        else if (line[0] != 0 && std::strncmp(line, "sound ", 6) != 0 &&
                 std::strncmp(line, "end ", 4) != 0)
            error = "not a line of a trace";
        if (error != nullptr) {
            std::fflush(out);
            std::fprintf(stderr, "dyxel-sim: line %ld: %s\n", number, error);
            return 1;
        }
    }
    if (r.seats > 0)
        endGame(r);
    return std::fflush(out) == 0 ? 0 : 1;
}
