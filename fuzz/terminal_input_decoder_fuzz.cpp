// Terminal input decoder: any bytes, arriving at any times, give only keys the program
// knows and mouse records on a real cell; how the reads split the bytes changes nothing;
// and once the Esc timeout has passed nothing is held back from the next key.
//
// An input is a series of reads, each a delay byte (milliseconds since the last read), a
// length byte and that many bytes. Between reads the decoder is flushed at its deadline,
// as the terminal front end does.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "console/key_string.h"
#include "fuzz_input.h"
#include "platform/terminal_input_decoder.h"

using namespace tessella;
using platform::Millis;
using platform::TerminalInputDecoder;

namespace {

struct Read {
  Millis at = 0;
  std::string_view bytes;
};

std::vector<Read> Reads(const std::uint8_t* data, std::size_t size) {
  std::vector<Read> reads;
  Millis now = 1000;
  std::size_t i = 0;
  while (i + 2 <= size) {
    now += data[i];
    const std::size_t length = std::min<std::size_t>(data[i + 1], size - i - 2);
    reads.push_back({now, {reinterpret_cast<const char*>(data + i + 2), length}});
    i += 2 + length;
  }
  return reads;
}

void CheckRecord(const console::InputRecord& record) {
  if (const auto* key = std::get_if<console::KeyRecord>(&record)) {
    const auto string = console::EncodeKey(*key);
    fuzz::Check(string.has_value() && !string->empty(), "a key the program reads");
    return;
  }
  const auto& mouse = std::get<console::MouseRecord>(record);
  fuzz::Check(mouse.row >= 1 && mouse.col >= 1, "mouse position from 1");
  fuzz::Check(mouse.row <= TerminalInputDecoder::kMaxMousePosition &&
                  mouse.col <= TerminalInputDecoder::kMaxMousePosition,
              "mouse position within a terminal");
  const bool one_button = mouse.buttons == console::kLeftButton ||
                          mouse.buttons == console::kRightButton ||
                          mouse.buttons == console::kMiddleButton;
  switch (mouse.event) {
    case console::MouseEvent::kMoved:
      fuzz::Check(mouse.buttons == 0, "motion names no button");
      break;
    case console::MouseEvent::kButtonDown:
    case console::MouseEvent::kDoubleClick:
      fuzz::Check(one_button, "a press names its button");
      break;
    case console::MouseEvent::kButtonUp:
      fuzz::Check(one_button || mouse.buttons == 0, "a release names one button or none");
      break;
    default:
      fuzz::Check(false, "a known mouse event");
  }
}

// Feeds the reads, each whole or byte by byte, flushing at the deadline in between as
// the front end does; gives every record.
std::vector<console::InputRecord> Decode(const std::vector<Read>& reads, bool byte_by_byte,
                                         TerminalInputDecoder& d) {
  std::vector<console::InputRecord> records;
  for (const Read& read : reads) {
    if (const auto deadline = d.Deadline(); deadline && *deadline <= read.at) d.Flush(*deadline);
    if (byte_by_byte) {
      for (std::size_t k = 0; k < read.bytes.size(); ++k) d.Feed(read.bytes.substr(k, 1), read.at);
    } else {
      d.Feed(read.bytes, read.at);
    }
    if (const auto deadline = d.Deadline()) fuzz::Check(*deadline > read.at, "a deadline ahead");
    while (auto record = d.Pop()) records.push_back(*record);
  }
  return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<Read> reads = Reads(data, size);
  TerminalInputDecoder whole;
  TerminalInputDecoder bytes;
  const auto records = Decode(reads, false, whole);
  fuzz::Check(records == Decode(reads, true, bytes), "the same records however reads split");
  for (const auto& record : records) CheckRecord(record);

  // Past the timeout nothing waits, and the next key comes out alone.
  const Millis end = (reads.empty() ? 1000 : reads.back().at) + TerminalInputDecoder::kEscTimeout;
  whole.Flush(end);
  fuzz::Check(!whole.Deadline().has_value(), "nothing held after the timeout");
  while (auto record = whole.Pop()) CheckRecord(*record);
  whole.Feed("q", end + 1);
  const auto q = whole.Pop();
  fuzz::Check(q.has_value() && std::get_if<console::KeyRecord>(&*q) != nullptr &&
                  std::get<console::KeyRecord>(*q).ch == 'q' && !whole.HasRecord(),
              "the next key alone");
  return 0;
}
