#include "storage/record_scan.h"

#include <limits>

// Every x86-64 processor has SSE2; many have AVX2 as well.
#if defined(__GNUC__) && defined(__x86_64__)
#define TALLYROPE_WIDE_SEARCH 1
#include <immintrin.h>
#endif

namespace tallyrope {

namespace {

// A byte at a time up to `end`, or until `record` hints have ended.
const char* passBytewise(const char* from, const char* end, std::int64_t record,
                         std::int64_t& hintEnds, bool& inPhrase) {
    for (; from < end && hintEnds < record; ++from) {
        if (inPhrase) {
            inPhrase = *from != ';';
        } else if (*from == ':') {
            inPhrase = true;
            ++hintEnds;
        }
    }
    return from;
}

#ifdef TALLYROPE_WIDE_SEARCH

// Bit i is set where byte i of the 64 is the delimiter.
struct DelimiterBits {
    std::uint64_t semicolons;
    std::uint64_t colons;
};

inline std::uint64_t bitsOf(const __m128i (&parts)[4], char delimiter) {
    const __m128i wanted = _mm_set1_epi8(delimiter);
    std::uint64_t bits = 0;
    for (int part = 0; part < 4; ++part) {
        const auto partBits =
            static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(parts[part], wanted)));
        bits |= static_cast<std::uint64_t>(partBits) << (16 * part);
    }
    return bits;
}

inline DelimiterBits sse2DelimitersOf(const char* chunk) {
    const __m128i parts[4] = {
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk)),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16)),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 32)),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 48)),
    };
    return {bitsOf(parts, ';'), bitsOf(parts, ':')};
}

__attribute__((target("avx2"))) inline std::uint64_t bitsOf(__m256i low, __m256i high,
                                                            char delimiter) {
    const __m256i wanted = _mm256_set1_epi8(delimiter);
    const auto lowBits =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, wanted)));
    const auto highBits =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, wanted)));
    return lowBits | static_cast<std::uint64_t>(highBits) << 32;
}

__attribute__((target("avx2"))) inline DelimiterBits avx2DelimitersOf(const char* chunk) {
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(chunk));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(chunk + 32));
    return {bitsOf(low, high, ';'), bitsOf(low, high, ':')};
}

// The `wanted` delimiters whose previous delimiter is an `other` one: the ";" that end phrases
// or the ":" that end hints. `otherWasLast` tells whether the last delimiter before these 64
// bytes was `other`, and is left telling the same after them. Adding `other` to the bits that
// are not `wanted` carries each `other` up to the next `wanted` and no further.
inline std::uint64_t firstAfterOther(std::uint64_t wanted, std::uint64_t other,
                                     unsigned char& otherWasLast) {
    unsigned long long sum = 0;
    otherWasLast = _addcarry_u64(otherWasLast, ~wanted, other, &sum);
    return wanted & sum;
}

// 64 bytes at a time while 64 are left.
template <DelimiterBits (*delimitersOf)(const char*)>
inline const char* passWide(const char* from, const char* end, std::int64_t& hintEnds,
                            bool& inPhrase) {
    std::int64_t phraseEnds = hintEnds + !inPhrase;
    unsigned char colonWasLast = inPhrase;
    for (; end - from >= 64; from += 64) {
        const DelimiterBits bits = delimitersOf(from);
        phraseEnds +=
            __builtin_popcountll(firstAfterOther(bits.semicolons, bits.colons, colonWasLast));
    }
    inPhrase = colonWasLast;
    hintEnds = phraseEnds - !inPhrase;
    return from;
}

// 64 bytes at a time while 64 are left, or until `record` hints have ended.
template <DelimiterBits (*delimitersOf)(const char*)>
inline const char* passWideTo(const char* from, const char* end, std::int64_t record,
                              std::int64_t& hintEnds, bool& inPhrase) {
    std::int64_t toEnd = record - hintEnds;
    unsigned char semicolonWasLast = !inPhrase;
    for (; end - from >= 64; from += 64) {
        const DelimiterBits bits = delimitersOf(from);
        std::uint64_t ends = firstAfterOther(bits.colons, bits.semicolons, semicolonWasLast);
        const int found = __builtin_popcountll(ends);
        if (found >= toEnd) {
            for (; toEnd > 1; --toEnd) {
                ends &= ends - 1;
            }
            hintEnds = record;
            inPhrase = true;
            return from + __builtin_ctzll(ends) + 1;
        }
        toEnd -= found;
    }
    hintEnds = record - toEnd;
    inPhrase = !semicolonWasLast;
    return from;
}

// The AVX2 instructions are compiled for these two alone, which run only on processors that
// have them.
__attribute__((target("avx2"), flatten)) const char*
passAvx2(const char* from, const char* end, std::int64_t& hintEnds, bool& inPhrase) {
    return passWide<avx2DelimitersOf>(from, end, hintEnds, inPhrase);
}

__attribute__((target("avx2"), flatten)) const char* passAvx2To(const char* from, const char* end,
                                                                std::int64_t record,
                                                                std::int64_t& hintEnds,
                                                                bool& inPhrase) {
    return passWideTo<avx2DelimitersOf>(from, end, record, hintEnds, inPhrase);
}

#endif

} // namespace

DelimiterSearch fastestDelimiterSearch() {
#ifdef TALLYROPE_WIDE_SEARCH
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    return hasAvx2 ? DelimiterSearch::Avx2 : DelimiterSearch::Sse2;
#else
    return DelimiterSearch::Bytewise;
#endif
}

void RecordScan::pass(std::string_view bytes) {
    const char* from = bytes.data();
    const char* const end = from + bytes.size();
#ifdef TALLYROPE_WIDE_SEARCH
    if (search_ == DelimiterSearch::Avx2) {
        from = passAvx2(from, end, hintEnds_, inPhrase_);
    } else if (search_ == DelimiterSearch::Sse2) {
        from = passWide<sse2DelimitersOf>(from, end, hintEnds_, inPhrase_);
    }
#endif
    passBytewise(from, end, std::numeric_limits<std::int64_t>::max(), hintEnds_, inPhrase_);
}

std::size_t RecordScan::passTo(std::string_view bytes, std::int64_t record) {
    const char* from = bytes.data();
    const char* const end = from + bytes.size();
#ifdef TALLYROPE_WIDE_SEARCH
    if (hintEnds_ < record && search_ == DelimiterSearch::Avx2) {
        from = passAvx2To(from, end, record, hintEnds_, inPhrase_);
    } else if (hintEnds_ < record && search_ == DelimiterSearch::Sse2) {
        from = passWideTo<sse2DelimitersOf>(from, end, record, hintEnds_, inPhrase_);
    }
#endif
    return static_cast<std::size_t>(passBytewise(from, end, record, hintEnds_, inPhrase_) -
                                    bytes.data());
}

} // namespace tallyrope
