#include "storage/record_scan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallyrope {
namespace {

// Every search this processor runs: those up to the fastest.
std::vector<DelimiterSearch> searches() {
    std::vector<DelimiterSearch> found;
    for (DelimiterSearch search :
         {DelimiterSearch::Bytewise, DelimiterSearch::Sse2, DelimiterSearch::Avx2}) {
        found.push_back(search);
        if (search == fastestDelimiterSearch()) {
            break;
        }
    }
    return found;
}

const char* nameOf(DelimiterSearch search) {
    switch (search) {
    case DelimiterSearch::Bytewise:
        return "bytewise";
    case DelimiterSearch::Sse2:
        return "sse2";
    case DelimiterSearch::Avx2:
        return "avx2";
    }
    return "?";
}

std::int64_t phraseEnds(DelimiterSearch search, const std::string& bytes) {
    RecordScan scan(search);
    scan.pass(bytes);
    return scan.phraseEnds();
}

struct CountCase {
    std::string bytes;
    std::int64_t phraseEnds;
};

// Each padded in front with bytes that are no delimiter, so that every delimiter meets every
// place of the 64 that the wide search takes at once, the places either side of a boundary
// between two 64 among them.
const CountCase countCases[] = {
    {"", 0},
    {"Data purged...", 0},
    {"one;first:two;second:", 2},
    {"a:colon in a phrase;hint:", 1},
    {"split;phrase;hint:next;fine:", 2},
    {"shifted;hi:nt:next;fine:after;fine:", 3},
    {"last;unclosed", 1},
    {";:;:;:", 3},
    {";;;;::::;", 2},
    {"long;" + std::string(150, ';') + ":" + std::string(150, ':') + "x;y", 2},
};

TEST(RecordScan, CountsThePhrasesEndedWhereverTheDelimitersFall) {
    for (DelimiterSearch search : searches()) {
        for (const CountCase& c : countCases) {
            for (std::size_t padding = 0; padding <= 130; ++padding) {
                EXPECT_EQ(phraseEnds(search, std::string(padding, 'x') + c.bytes), c.phraseEnds)
                    << nameOf(search) << ": " << padding << " bytes before \"" << c.bytes << "\"";
            }
        }
    }
}

TEST(RecordScan, GoesOnAcrossStretchesAsThroughOne) {
    std::string bytes;
    for (int i = 0; i < 40; ++i) {
        bytes += i % 3 == 0 ? "phrase;hint;with semicolon:" : "a:b;c:";
    }
    ASSERT_GT(bytes.size(), 300u);
    for (DelimiterSearch search : searches()) {
        for (std::size_t split = 0; split <= bytes.size(); ++split) {
            RecordScan scan(search);
            scan.pass(std::string_view(bytes).substr(0, split));
            scan.pass(std::string_view(bytes).substr(split));
            EXPECT_EQ(scan.phraseEnds(), 40) << nameOf(search) << " split at " << split;
        }
    }
}

TEST(RecordScan, StopsJustAfterTheHintBeforeTheRecord) {
    // Record 1 starts at 10, record 2 at 18 and record 3 at the end, 33.
    const std::string bytes = "one;first:two;sec:nd:three;third:";
    const struct {
        std::int64_t record;
        std::size_t start;
    } cases[] = {{0, 0}, {1, 10}, {2, 18}, {3, 33}};
    for (DelimiterSearch search : searches()) {
        for (std::size_t padding : {0, 1, 30, 31, 53, 54, 63, 64, 100}) {
            const std::string padded = std::string(padding, 'x') + bytes;
            for (const auto& c : cases) {
                RecordScan scan(search);
                const std::size_t passed = scan.passTo(padded, c.record);
                EXPECT_EQ(passed, c.record == 0 ? 0 : padding + c.start)
                    << nameOf(search) << ": record " << c.record << " after " << padding;
                EXPECT_EQ(scan.hintEnds(), c.record);
            }
            RecordScan scan(search);
            EXPECT_EQ(scan.passTo(padded, 4), padded.size()) << "no record 4";
            EXPECT_EQ(scan.hintEnds(), 3);
            EXPECT_EQ(scan.passTo("x;y:more", 4), 4u) << "the next stretch holds its start";
            EXPECT_EQ(scan.passTo("z;", 4), 0u) << "already there";
        }
    }
}

TEST(RecordScan, FindsARecordFarIntoManyStretches) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i) {
        bytes += "p" + std::to_string(i) + ";h:";
    }
    for (DelimiterSearch search : searches()) {
        RecordScan scan(search);
        std::size_t start = 0;
        std::size_t passed = 0;
        while (start < bytes.size() &&
               (passed = scan.passTo(bytes.substr(start, 100), 777)) == 100) {
            start += 100;
        }
        EXPECT_EQ(bytes.substr(start + passed, 6), "p777;h") << nameOf(search);
    }
}

} // namespace
} // namespace tallyrope
