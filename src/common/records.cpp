#include "common/records.h"

#include <cstring>

#include "common/byte_stream.h"
#include "common/packed.h"

namespace quill {

TPuzzleRecord PuzzleRecord;
TBoardRecord BoardRecord;

namespace {

// Offsets of the puzzle record's fields.
namespace pr {
constexpr size_t FormatNo = 0, ImageBufferSize = 18, CreatorVersion = 22, Created = 38, Title = 46,
                 CreatorName = 111, Description = 176, FunPieces = 4244, LayoutWidth = 4252,
                 LayoutHeight = 4254, GhostCentreX = 4256, GhostCentreY = 4260, PieceStyle = 4264,
                 RequestedCount = 4276, PieceCount = 4278, Columns = 4280, Rows = 4282, Unused4284 = 4284,
                 Oddness = 4286, Seed = 4288, NextGroup = 4292, PictureWidth = 4296, PictureHeight = 4298,
                 ScaledWidth = 4300, ScaledHeight = 4302, CellWidth = 4304, CellHeight = 4306,
                 AtlasWidth = 4308, AtlasHeight = 4310, Completed = 4312, JoinedCount = 4313, Elapsed = 4315,
                 CheatCount = 4319, AutoSolved = 4321, HasDescription = 4322, Unused4323 = 4323,
                 Unused4388 = 4388, Scale = 4453, Unused4455 = 4455;
}  // namespace pr

namespace br {
constexpr size_t Reserved0 = 0, Reserved4 = 4, TrayCount = 8, TrayScroll = 10, LimitOn = 12, LimitCountDown = 13,
                 LimitFrozen = 14, LimitSeconds = 15, SavedBoardColour = 19, TrayStamp = 23;
}  // namespace br

void RequireSize(size_t have, size_t need) {
  if (have < need) throw StreamReadError();
}

}  // namespace

std::vector<uint8_t> SerializePuzzleRecord(const TPuzzleRecord& r) {
  using namespace packed;
  std::vector<uint8_t> out(kPuzzleRecordSize, 0);
  uint8_t* b = out.data();
  Put<int16_t>(b, pr::FormatNo, r.FormatNo);
  Put<int32_t>(b, pr::ImageBufferSize, r.ImageBufferSize);
  PutShortString(b, pr::CreatorVersion, 15, r.CreatorVersion);
  Put<double>(b, pr::Created, r.Created);
  PutShortString(b, pr::Title, 64, r.Title);
  PutShortString(b, pr::CreatorName, 64, r.CreatorName);
  std::memcpy(b + pr::Description, r.Description.data(), kTextFieldSize);
  Put<uint16_t>(b, pr::FunPieces, r.FunPieces);
  Put<uint16_t>(b, pr::LayoutWidth, r.LayoutWidth);
  Put<uint16_t>(b, pr::LayoutHeight, r.LayoutHeight);
  Put<float>(b, pr::GhostCentreX, r.GhostCentreX);
  Put<float>(b, pr::GhostCentreY, r.GhostCentreY);
  Put<int32_t>(b, pr::PieceStyle, r.PieceStyle);
  Put<uint16_t>(b, pr::RequestedCount, r.RequestedCount);
  Put<uint16_t>(b, pr::PieceCount, r.PieceCount);
  Put<uint16_t>(b, pr::Columns, r.Columns);
  Put<uint16_t>(b, pr::Rows, r.Rows);
  Put<uint16_t>(b, pr::Unused4284, r.Unused4284);
  Put<uint16_t>(b, pr::Oddness, r.Oddness);
  Put<int32_t>(b, pr::Seed, r.Seed);
  Put<int32_t>(b, pr::NextGroup, r.NextGroup);
  Put<uint16_t>(b, pr::PictureWidth, r.PictureWidth);
  Put<uint16_t>(b, pr::PictureHeight, r.PictureHeight);
  Put<uint16_t>(b, pr::ScaledWidth, r.ScaledWidth);
  Put<uint16_t>(b, pr::ScaledHeight, r.ScaledHeight);
  Put<uint16_t>(b, pr::CellWidth, r.CellWidth);
  Put<uint16_t>(b, pr::CellHeight, r.CellHeight);
  Put<uint16_t>(b, pr::AtlasWidth, r.AtlasWidth);
  Put<uint16_t>(b, pr::AtlasHeight, r.AtlasHeight);
  Put<uint8_t>(b, pr::Completed, r.Completed);
  Put<uint16_t>(b, pr::JoinedCount, r.JoinedCount);
  Put<int32_t>(b, pr::Elapsed, r.Elapsed);
  Put<uint16_t>(b, pr::CheatCount, r.CheatCount);
  Put<uint8_t>(b, pr::AutoSolved, r.AutoSolved);
  Put<uint8_t>(b, pr::HasDescription, r.HasDescription);
  Put<uint8_t>(b, pr::Unused4323, r.Unused4323);
  Put<uint8_t>(b, pr::Unused4388, r.Unused4388);
  Put<int16_t>(b, pr::Scale, r.Scale);
  Put<uint16_t>(b, pr::Unused4455, r.Unused4455);
  return out;
}

TPuzzleRecord ParsePuzzleRecord(const uint8_t* b, size_t size) {
  using namespace packed;
  RequireSize(size, kPuzzleRecordSize);
  TPuzzleRecord r;
  r.FormatNo = Get<int16_t>(b, pr::FormatNo);
  r.ImageBufferSize = Get<int32_t>(b, pr::ImageBufferSize);
  r.CreatorVersion = GetShortString(b, pr::CreatorVersion, 15);
  r.Created = Get<double>(b, pr::Created);
  r.Title = GetShortString(b, pr::Title, 64);
  r.CreatorName = GetShortString(b, pr::CreatorName, 64);
  std::memcpy(r.Description.data(), b + pr::Description, kTextFieldSize);
  r.FunPieces = Get<uint16_t>(b, pr::FunPieces);
  r.LayoutWidth = Get<uint16_t>(b, pr::LayoutWidth);
  r.LayoutHeight = Get<uint16_t>(b, pr::LayoutHeight);
  r.GhostCentreX = Get<float>(b, pr::GhostCentreX);
  r.GhostCentreY = Get<float>(b, pr::GhostCentreY);
  r.PieceStyle = Get<int32_t>(b, pr::PieceStyle);
  r.RequestedCount = Get<uint16_t>(b, pr::RequestedCount);
  r.PieceCount = Get<uint16_t>(b, pr::PieceCount);
  r.Columns = Get<uint16_t>(b, pr::Columns);
  r.Rows = Get<uint16_t>(b, pr::Rows);
  r.Unused4284 = Get<uint16_t>(b, pr::Unused4284);
  r.Oddness = Get<uint16_t>(b, pr::Oddness);
  r.Seed = Get<int32_t>(b, pr::Seed);
  r.NextGroup = Get<int32_t>(b, pr::NextGroup);
  r.PictureWidth = Get<uint16_t>(b, pr::PictureWidth);
  r.PictureHeight = Get<uint16_t>(b, pr::PictureHeight);
  r.ScaledWidth = Get<uint16_t>(b, pr::ScaledWidth);
  r.ScaledHeight = Get<uint16_t>(b, pr::ScaledHeight);
  r.CellWidth = Get<uint16_t>(b, pr::CellWidth);
  r.CellHeight = Get<uint16_t>(b, pr::CellHeight);
  r.AtlasWidth = Get<uint16_t>(b, pr::AtlasWidth);
  r.AtlasHeight = Get<uint16_t>(b, pr::AtlasHeight);
  r.Completed = Get<uint8_t>(b, pr::Completed) != 0;
  r.JoinedCount = Get<uint16_t>(b, pr::JoinedCount);
  r.Elapsed = Get<int32_t>(b, pr::Elapsed);
  r.CheatCount = Get<uint16_t>(b, pr::CheatCount);
  r.AutoSolved = Get<uint8_t>(b, pr::AutoSolved) != 0;
  r.HasDescription = Get<uint8_t>(b, pr::HasDescription) != 0;
  r.Unused4323 = Get<uint8_t>(b, pr::Unused4323);
  r.Unused4388 = Get<uint8_t>(b, pr::Unused4388);
  r.Scale = Get<int16_t>(b, pr::Scale);
  r.Unused4455 = Get<uint16_t>(b, pr::Unused4455);
  return r;
}

std::vector<uint8_t> SerializeBoardRecord(const TBoardRecord& r) {
  using namespace packed;
  std::vector<uint8_t> out(kBoardRecordSize, 0);
  uint8_t* b = out.data();
  Put<int32_t>(b, br::Reserved0, r.Reserved0);
  Put<int32_t>(b, br::Reserved4, r.Reserved4);
  Put<uint16_t>(b, br::TrayCount, r.TrayCount);
  Put<uint16_t>(b, br::TrayScroll, r.TrayScroll);
  Put<uint8_t>(b, br::LimitOn, r.LimitOn);
  Put<uint8_t>(b, br::LimitCountDown, r.LimitCountDown);
  Put<uint8_t>(b, br::LimitFrozen, r.LimitFrozen);
  Put<int32_t>(b, br::LimitSeconds, r.LimitSeconds);
  Put<uint32_t>(b, br::SavedBoardColour, r.SavedBoardColour);
  Put<int32_t>(b, br::TrayStamp, r.TrayStamp);
  return out;
}

TBoardRecord ParseBoardRecord(const uint8_t* b, size_t size) {
  using namespace packed;
  RequireSize(size, kBoardRecordSize);
  TBoardRecord r;
  r.Reserved0 = Get<int32_t>(b, br::Reserved0);
  r.Reserved4 = Get<int32_t>(b, br::Reserved4);
  r.TrayCount = Get<uint16_t>(b, br::TrayCount);
  r.TrayScroll = Get<uint16_t>(b, br::TrayScroll);
  r.LimitOn = Get<uint8_t>(b, br::LimitOn) != 0;
  r.LimitCountDown = Get<uint8_t>(b, br::LimitCountDown) != 0;
  r.LimitFrozen = Get<uint8_t>(b, br::LimitFrozen) != 0;
  r.LimitSeconds = Get<int32_t>(b, br::LimitSeconds);
  r.SavedBoardColour = Get<uint32_t>(b, br::SavedBoardColour);
  r.TrayStamp = Get<int32_t>(b, br::TrayStamp);
  return r;
}

}  // namespace quill
