// Going through a puzzle database's stored bytes without building its records. A phrase ends at
// the first ";" after its record begins, and its hint at the first ":" after that. Line breaks
// play no part, so the bytes are taken as stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tallyrope {

// How the delimiters are looked for: a byte at a time, or 64 bytes at a time with the SSE2
// instructions of every x86-64 processor or the AVX2 ones of those that have them.
enum class DelimiterSearch { Bytewise, Sse2, Avx2 };

// The fastest search this processor runs.
DelimiterSearch fastestDelimiterSearch();

// Where a pass through the bytes has got to; a copy goes on from the same place.
class RecordScan {
  public:
    explicit RecordScan(DelimiterSearch search = fastestDelimiterSearch()) : search_(search) {}

    // Goes through all of `bytes`.
    void pass(std::string_view bytes);
    // Goes through `bytes` up to the start of record `record`, just after the ":" that ends
    // the hint before it, and returns how many bytes that took: all of them when the record
    // starts further on. Takes none when the scan is already at or past that start.
    std::size_t passTo(std::string_view bytes, std::int64_t record);

    // The phrases ended so far: one for each record that counts as a puzzle.
    std::int64_t phraseEnds() const { return hintEnds_ + (inPhrase_ ? 0 : 1); }
    // The hints ended so far: the number of the record that a phrase now starts or continues.
    std::int64_t hintEnds() const { return hintEnds_; }

  private:
    // Unread on processors without wide instructions, which go a byte at a time.
    [[maybe_unused]] DelimiterSearch search_;
    std::int64_t hintEnds_ = 0;
    bool inPhrase_ = true;
};

} // namespace tallyrope
