#include "diagram_file/FileLayout.h"

#include <bit>
#include <type_traits>

namespace dgr {

namespace {

// The unsigned integer as wide as T, through which each field is read and written.
template <class T>
using Bits = std::conditional_t<sizeof(T) == 1, std::uint8_t,
                                std::conditional_t<sizeof(T) == 2, std::uint16_t,
                                                   std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;

template <class T>
T Decode(const HeaderImage& image, std::size_t offset, ByteOrder order) {
  Bits<T> bits = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    const std::size_t at = order == ByteOrder::Little ? offset + sizeof(T) - 1 - i : offset + i;
    bits = static_cast<Bits<T>>(bits << 8 | image[at]);
  }
  return std::bit_cast<T>(bits);
}

template <class T>
void Encode(T value, HeaderImage& image, std::size_t offset, ByteOrder order) {
  auto bits = std::bit_cast<Bits<T>>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    const std::size_t at = order == ByteOrder::Little ? offset + i : offset + sizeof(T) - 1 - i;
    image[at] = static_cast<std::uint8_t>(bits & 0xFF);
    bits = static_cast<Bits<T>>(bits >> 8);
  }
}

template <class T>
void DecodeField(const HeaderImage& image, const HeaderField<T>& field, DiagramFile& file) {
  if (file.HeaderLength >= field.PresentFrom) file.*field.Member = Decode<T>(image, field.Offset, field.Order);
}

}  // namespace

void DecodeHeader(const HeaderImage& image, DiagramFile& file) {
  std::apply([&](const auto&... field) { (DecodeField(image, field, file), ...); }, HeaderFields);
  file.HasRecordTime = file.HeaderLength >= HeaderWithRecordTime;
}

void EncodeHeader(const DiagramFile& file, HeaderImage& image) {
  std::apply([&](const auto&... field) { (Encode(file.*field.Member, image, field.Offset, field.Order), ...); },
             HeaderFields);
}

}  // namespace dgr
