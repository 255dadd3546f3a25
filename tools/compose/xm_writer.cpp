// Serialises an XmModule in the layout of XM version 1.04.
#include "xm_writer.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kHeaderSize = 276;      // from the header-size field to the orders' end
constexpr std::uint32_t kInstrumentSize = 263;  // instrument header with its sample map
constexpr std::uint32_t kSampleHeaderSize = 40;
constexpr std::uint16_t kLinearFrequencies = 1;
constexpr std::uint8_t kForwardLoop = 1;
constexpr std::uint8_t kSixteenBit = 0x10;
constexpr std::uint8_t kEnvelopeOn = 1;
constexpr std::uint8_t kEnvelopeSustain = 2;

class ByteWriter {
 public:
  void U8(std::uint8_t value) { bytes_.push_back(value); }
  void U16(std::uint16_t value) {
    U8(value & 0xFF);
    U8(value >> 8);
  }
  void U32(std::uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  // A fixed-width text field, cut or padded with zero bytes.
  void Text(const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) U8(i < text.size() ? text[i] : 0);
  }
  void Zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  void Append(const std::vector<std::uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
  }
  std::vector<std::uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

void WriteHeader(ByteWriter& out, const XmModule& module) {
  out.Text("Extended Module: ", 17);
  out.Text(module.name, 20);
  out.U8(0x1A);
  out.Text("compose_soundtrack", 20);
  out.U16(0x0104);
  out.U32(kHeaderSize);
  out.U16(module.orders.size());
  out.U16(module.restartPosition);
  out.U16(module.channels);
  out.U16(module.patterns.size());
  out.U16(module.instruments.size());
  out.U16(kLinearFrequencies);
  out.U16(module.speed);
  out.U16(module.bpm);
  for (std::size_t i = 0; i < 256; ++i) out.U8(i < module.orders.size() ? module.orders[i] : 0);
}

// A cell with every field set is stored whole; any other is a flag byte naming the fields
// that follow.
void PackCell(ByteWriter& out, const XmCell& cell) {
  const std::uint8_t fields[] = {cell.note, cell.instrument, cell.volume, cell.effect, cell.param};
  if (std::all_of(std::begin(fields), std::end(fields), [](std::uint8_t f) { return f != 0; })) {
    for (std::uint8_t field : fields) out.U8(field);
    return;
  }
  std::uint8_t flags = 0x80;
  for (int i = 0; i < 5; ++i) {
    if (fields[i] != 0) flags |= 1 << i;
  }
  out.U8(flags);
  for (std::uint8_t field : fields) {
    if (field != 0) out.U8(field);
  }
}

void WritePattern(ByteWriter& out, const XmPattern& pattern) {
  ByteWriter packed;
  for (const XmCell& cell : pattern.cells) PackCell(packed, cell);
  out.U32(9);  // pattern header length
  out.U8(0);   // packing type
  out.U16(pattern.rows);
  out.U16(packed.Bytes().size());
  out.Append(packed.Bytes());
}

void WriteEnvelopePoints(ByteWriter& out, const XmEnvelope& envelope) {
  for (std::size_t i = 0; i < 12; ++i) {
    const XmEnvelopePoint point =
        i < envelope.points.size() ? envelope.points[i] : XmEnvelopePoint{0, 0};
    out.U16(point.tick);
    out.U16(point.value);
  }
}

void WriteInstrument(ByteWriter& out, const XmInstrument& instrument) {
  const XmEnvelope& envelope = instrument.volumeEnvelope;
  const XmSample& sample = instrument.sample;
  out.U32(kInstrumentSize);
  out.Text(instrument.name, 22);
  out.U8(0);   // type
  out.U16(1);  // samples
  out.U32(kSampleHeaderSize);
  out.Zeros(96);  // every note plays sample 0
  WriteEnvelopePoints(out, envelope);
  WriteEnvelopePoints(out, XmEnvelope{});  // panning envelope
  out.U8(envelope.points.size());
  out.U8(0);  // panning points
  out.U8(std::max(envelope.sustainPoint, 0));
  out.U8(0);     // volume loop start
  out.U8(0);     // volume loop end
  out.Zeros(3);  // panning sustain and loop
  std::uint8_t volumeType = 0;
  if (!envelope.points.empty()) volumeType |= kEnvelopeOn;
  if (envelope.sustainPoint >= 0) volumeType |= kEnvelopeSustain;
  out.U8(volumeType);
  out.U8(0);  // panning type
  out.U8(0);  // vibrato type: sine
  out.U8(instrument.vibratoSweep);
  out.U8(instrument.vibratoDepth);
  out.U8(instrument.vibratoRate);
  out.U16(instrument.fadeout);
  out.Zeros(22);

  out.U32(sample.data.size() * 2);
  out.U32(sample.loopStart * 2);
  out.U32(sample.loopLength * 2);
  out.U8(sample.volume);
  out.U8(static_cast<std::uint8_t>(sample.finetune));
  out.U8(kSixteenBit | (sample.loopLength > 0 ? kForwardLoop : 0));
  out.U8(sample.panning);
  out.U8(static_cast<std::uint8_t>(sample.relativeNote));
  out.U8(0);  // reserved
  out.Text(instrument.name, 22);

  // Sample data is stored as differences between neighbouring samples.
  std::int16_t previous = 0;
  for (std::int16_t value : sample.data) {
    out.U16(static_cast<std::uint16_t>(value - previous));
    previous = value;
  }
}

}  // namespace

std::vector<std::uint8_t> WriteXm(const XmModule& module) {
  ByteWriter out;
  WriteHeader(out, module);
  for (const XmPattern& pattern : module.patterns) WritePattern(out, pattern);
  for (const XmInstrument& instrument : module.instruments) WriteInstrument(out, instrument);
  return std::move(out.Bytes());
}
