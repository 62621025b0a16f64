#include "pieces/polyfill.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace quill {

TPolyFill PolyFill;

namespace {

// Sides 2 and 3 (bottom, left) are stored against the direction of a closed
// clockwise walk round the piece, so their windings count the other way.
bool StoredBackwards(int side) { return side >= 2; }

int PointCount(const SidePoints& side) { return std::clamp(side.Count, 0, kMaxSidePoints); }

}  // namespace

void TPolyFill::FillSides(const PieceSides& sides, uint8_t* raster, uint8_t pen, int stride, int height) {
  raster_ = raster;
  pen_ = pen;
  stride_ = stride;
  height_ = height;
  BuildEdgeTable(sides);
  activeList_ = kNone;
  int32_t y = edgeTable_ == kNone ? 0 : edges_[edgeTable_].ymin;
  while (edgeTable_ != kNone || activeList_ != kNone) {
    // Nothing is active between separate parts of the outline: go straight on.
    if (activeList_ == kNone) y = std::max(y, edges_[edgeTable_].ymin);
    while (edgeTable_ != kNone && edges_[edgeTable_].ymin == y) {
      const int32_t e = edgeTable_;
      edgeTable_ = edges_[e].next;
      InsertIntoActiveList(e);
    }
    FillRow(y);
    AdvanceActiveEdges();
    SortActiveList();
    ++y;
  }
  raster_ = nullptr;
}

void TPolyFill::BuildEdgeTable(const PieceSides& sides) {
  size_t pointTotal = 0;
  for (const SidePoints& side : sides) pointTotal += static_cast<size_t>(PointCount(side));
  edges_.clear();
  edges_.reserve(pointTotal);
  edgeTable_ = kNone;
  for (int i = 0; i < 4; ++i) {
    const SidePoints& side = sides[static_cast<size_t>(i)];
    const auto count = static_cast<size_t>(PointCount(side));
    for (size_t j = 0; j + 1 < count; ++j) AddEdge(i, side.Points[j], side.Points[j + 1]);
  }
  LinkEdgeTable();
}

void TPolyFill::AddEdge(int side, SidePoint from, SidePoint to) {
  if (from.Y == to.Y) return;
  Edge edge{};
  edge.winding = to.Y > from.Y ? 1 : -1;
  if (StoredBackwards(side)) edge.winding = -edge.winding;
  const SidePoint upper = from.Y < to.Y ? from : to;
  const SidePoint lower = from.Y < to.Y ? to : from;
  const int32_t dx = lower.X - upper.X;
  const int32_t adx = std::abs(dx);
  edge.next = kNone;
  edge.x = upper.X;
  edge.ymin = upper.Y;
  edge.dy = edge.left = lower.Y - upper.Y;
  edge.xsign = dx > 0 ? 1 : -1;
  edge.err = dx < 0 ? 1 - edge.dy : 0;
  if (edge.dy < adx) {
    edge.xstep = (adx / edge.dy) * edge.xsign;
    edge.rem = adx % edge.dy;
  } else {
    edge.xstep = 0;
    edge.rem = adx;
  }
  edges_.push_back(edge);
}

// Sorted by first line, then x; edges starting at the same point are taken up
// latest added first.
void TPolyFill::LinkEdgeTable() {
  order_.resize(edges_.size());
  for (size_t e = 0; e < order_.size(); ++e) order_[e] = static_cast<int32_t>(e);
  std::sort(order_.begin(), order_.end(), [this](int32_t a, int32_t b) {
    const Edge& first = edges_[static_cast<size_t>(a)];
    const Edge& second = edges_[static_cast<size_t>(b)];
    if (first.ymin != second.ymin) return first.ymin < second.ymin;
    if (first.x != second.x) return first.x < second.x;
    return a > b;
  });
  edgeTable_ = kNone;
  for (size_t k = order_.size(); k-- > 0;) {
    edges_[static_cast<size_t>(order_[k])].next = edgeTable_;
    edgeTable_ = order_[k];
  }
}

void TPolyFill::InsertIntoActiveList(int32_t e) {
  int32_t* link = &activeList_;
  while (*link != kNone && edges_[*link].x < edges_[e].x) link = &edges_[*link].next;
  edges_[e].next = *link;
  *link = e;
}

// Fills between each edge and the next while the winding sum is non-zero. Past the
// last edge nothing is filled, even when an open outline leaves the sum non-zero.
void TPolyFill::FillRow(int32_t y) {
  int32_t winding = 0;
  for (int32_t e = activeList_; e != kNone; e = edges_[e].next) {
    winding += edges_[e].winding;
    const int32_t next = edges_[e].next;
    if (winding != 0 && next != kNone) FillSpan(y, edges_[e].x, edges_[next].x);
  }
}

void TPolyFill::FillSpan(int32_t y, int32_t x0, int32_t x1) {
  if (y < 0 || y >= height_) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, static_cast<int32_t>(stride_));
  if (x0 >= x1) return;
  std::memset(raster_ + static_cast<std::ptrdiff_t>(y) * stride_ + x0, pen_, static_cast<size_t>(x1 - x0));
}

void TPolyFill::AdvanceActiveEdges() {
  int32_t* link = &activeList_;
  while (*link != kNone) {
    Edge& edge = edges_[*link];
    if (--edge.left == 0) {
      *link = edge.next;
      continue;
    }
    edge.x += edge.xstep;
    edge.err += edge.rem;
    if (edge.err > 0) {
      edge.x += edge.xsign;
      edge.err -= edge.dy;
    }
    link = &edge.next;
  }
}

// Edges move at different slopes, so neighbours may have swapped places; the list is
// short and nearly sorted, which bubble passes handle well.
void TPolyFill::SortActiveList() {
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int32_t* link = &activeList_; *link != kNone && edges_[*link].next != kNone; link = &edges_[*link].next) {
      const int32_t a = *link, b = edges_[a].next;
      if (edges_[a].x > edges_[b].x) {
        edges_[a].next = edges_[b].next;
        edges_[b].next = a;
        *link = b;
        swapped = true;
      }
    }
  }
}

}  // namespace quill
