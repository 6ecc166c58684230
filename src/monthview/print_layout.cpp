#include "monthview/print_layout.h"

#include <algorithm>
#include <cmath>

#include "core/rounding.h"

namespace orlevant {

namespace {

bool KnownChoice(int position, int centring) {
  if (position == kPositionCentre) return centring >= kCentreHorizontal && centring <= kCentreBoth;
  return position >= kPositionTopLeft && position <= kPositionBottomRight;
}

// Whether the rule of an axis measures from the far edge (right, bottom) or centres: those leave
// kPrintFarGap free at the far edge; the others start at the near edge.
bool XUsesGap(int position, int centring) {
  return position == kPositionTopRight || position == kPositionBottomRight ||
         (position == kPositionCentre && centring != kCentreVertical);
}

bool YUsesGap(int position, int centring) {
  return position == kPositionBottomLeft || position == kPositionBottomRight ||
         (position == kPositionCentre && centring != kCentreHorizontal);
}

bool AtBottom(int position) { return position == kPositionBottomLeft || position == kPositionBottomRight; }

}  // namespace

std::optional<PagePoint> PagePosition(int position, int centring, double pageWidth, double pageHeight, double width,
                                      double height) {
  if (!KnownChoice(position, centring)) return std::nullopt;
  centring = EffectiveCentring(position, centring);
  const double farLeft = pageWidth - width - kPrintFarGap;
  const double farTop = pageHeight - height - kPrintFarGap;
  double left = 0;
  double top = 0;
  if (position == kPositionCentre) {
    if (centring != kCentreVertical) left = farLeft / 2;
    if (centring != kCentreHorizontal) top = farTop / 2;
  } else {
    if (position == kPositionTopRight || position == kPositionBottomRight) left = farLeft;
    if (AtBottom(position)) top = farTop;
  }
  return PagePoint{RoundHalfToEven(left), RoundHalfToEven(top)};
}

std::optional<PicturePlacement> PlacePictureOnPage(int position, int centring, int pageWidth, int pageHeight,
                                                   int pictureWidth, int pictureHeight) {
  if (!KnownChoice(position, centring) || pageWidth <= 0 || pageHeight <= 0 || pictureWidth <= 0 ||
      pictureHeight <= 0)
    return std::nullopt;
  centring = EffectiveCentring(position, centring);

  const double roomX = pageWidth - (XUsesGap(position, centring) ? kPrintFarGap : 0);
  const double roomY = pageHeight - (YUsesGap(position, centring) ? kPrintFarGap : 0);
  const double scale = std::min({1.0, roomX / pictureWidth, roomY / pictureHeight});

  PicturePlacement placed;
  placed.Scaled = scale < 1.0;
  // Scaled sizes round down, so the picture never crosses the edge it was fitted to.
  placed.Width = placed.Scaled ? std::max(1, static_cast<int>(std::floor(pictureWidth * scale))) : pictureWidth;
  placed.Height = placed.Scaled ? std::max(1, static_cast<int>(std::floor(pictureHeight * scale))) : pictureHeight;
  const PagePoint at = *PagePosition(position, centring, pageWidth, pageHeight, placed.Width, placed.Height);
  placed.Left = at.Left;
  placed.Top = at.Top;

  placed.ListAllowed = PositionAllowsList(position, centring);
  if (placed.ListAllowed) {
    if (AtBottom(position)) {
      placed.EventsListTop = kEventsListGap;
      placed.EventsListBottom = placed.Top;
    } else {
      placed.EventsListTop = placed.Top + placed.Height + kEventsListGap;
      placed.EventsListBottom = pageHeight;
    }
  }
  return placed;
}

std::vector<ListLinePlace> PlaceListLines(int lineCount, int lineHeight, int firstTop, int firstBottom,
                                          int pageHeight) {
  std::vector<ListLinePlace> places;
  if (lineCount <= 0) return places;
  lineHeight = std::max(1, lineHeight);
  places.reserve(static_cast<std::size_t>(lineCount));
  int page = 0;
  int top = firstTop;
  int bottom = firstBottom;
  int onThisPage = 0;
  for (int i = 0; i < lineCount; ++i) {
    while (top + lineHeight > bottom) {
      // A fresh page that cannot hold one whole line still takes it, or the list would never end.
      if (page > 0 && onThisPage == 0) break;
      ++page;
      top = kEventsListGap;
      bottom = pageHeight;
      onThisPage = 0;
    }
    places.push_back({page, top});
    top += lineHeight;
    ++onThisPage;
  }
  return places;
}

PreviewSize PreviewPaper(bool landscape) { return landscape ? PreviewSize{1872, 1452} : PreviewSize{1452, 1872}; }

std::optional<PreviewSize> PreviewPlanner(int boxStyle) {
  switch (boxStyle) {
    case 0: return PreviewSize{252, 192};
    case 1: return PreviewSize{672, 552};
    case 2: return PreviewSize{1212, 852};
    default: return std::nullopt;
  }
}

std::optional<PreviewSize> PreviewPlannerTitle(int boxStyle) {
  switch (boxStyle) {
    case 0: return PreviewSize{252, 72};
    case 1: return PreviewSize{672, 132};
    case 2: return PreviewSize{1212, 132};
    default: return std::nullopt;
  }
}

std::optional<PreviewPlacement> PlacePreview(int position, int centring, PreviewSize paper, int plannerWidth,
                                             int titleWidth, int plannerHeight) {
  if (!KnownChoice(position, centring)) return std::nullopt;
  centring = EffectiveCentring(position, centring);
  const int pw = paper.Width;
  const int ph = paper.Height;
  const int h = plannerHeight;
  auto centredLeft = [&](int w) { return RoundHalfToEven(kPreviewPaperLeft + (pw - w) / 2.0); };
  const int centredTop = RoundHalfToEven(kPreviewPaperTop + (ph - h) / 2.0);
  const PagePoint underPlanner{270, 390 + h};
  const PagePoint paperTop{270, 390};

  PreviewPlacement p;
  switch (position) {
    case kPositionCentre:
      if (centring == kCentreVertical) {
        p.PlannerLeft = p.TitleLeft = 270;
      } else {
        p.PlannerLeft = centredLeft(plannerWidth);
        p.TitleLeft = centredLeft(titleWidth);
      }
      if (centring == kCentreHorizontal) {
        p.PlannerTop = 390;
        p.EventsSymbolAt = underPlanner;
      } else {
        p.PlannerTop = centredTop;
        p.ExcludesList = true;
      }
      break;
    case kPositionTopLeft:
    case kPositionBottomLeft:
      p.PlannerLeft = p.TitleLeft = 270;
      break;
    default:
      p.PlannerLeft = 198 + pw - plannerWidth;
      p.TitleLeft = 198 + pw - titleWidth;
      break;
  }
  if (position != kPositionCentre) {
    p.PlannerTop = AtBottom(position) ? 318 + ph - h : 390;
    p.EventsSymbolAt = AtBottom(position) ? paperTop : underPlanner;
  }
  return p;
}

}  // namespace orlevant
