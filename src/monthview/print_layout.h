#pragma once
// Where the printed month goes on the page, and where the print options dialog draws its miniature
// of it. Plain arithmetic in twips, apart from any printer or window, so every rule can be checked
// for any page and any window size.
//
// Page coordinates have (0, 0) at the top-left corner of the printable area. The picture is the main
// window as drawn, 15 twips to a pixel. Choices are numbered as the dialog's option buttons:
// position 0 Centre, 1 Top Left, 2 Top Right, 3 Bottom Left, 4 Bottom Right; centring (of the Centre
// position) 0 Horizontal, 1 Vertical, 2 Both.

#include <cstdint>
#include <optional>
#include <vector>

namespace orlevant {

inline constexpr int kPositionCentre = 0;
inline constexpr int kPositionTopLeft = 1;
inline constexpr int kPositionTopRight = 2;
inline constexpr int kPositionBottomLeft = 3;
inline constexpr int kPositionBottomRight = 4;

inline constexpr int kCentreHorizontal = 0;
inline constexpr int kCentreVertical = 1;
inline constexpr int kCentreBoth = 2;

// The pictures placed at the right or bottom, or centred, keep this much from the far edges.
inline constexpr int kPrintFarGap = 24;
// The events list: its left edge, and its distance from the picture above it or the page's top.
inline constexpr int kEventsListLeft = 200;
inline constexpr int kEventsListGap = 200;

// Corners ignore the centring (its options are greyed, not cleared), so a corner with any centring
// is the corner alone.
inline int EffectiveCentring(int position, int centring) { return position == kPositionCentre ? centring : 0; }

// Centring the picture vertically leaves no room for the list under it.
inline bool PositionAllowsList(int position, int centring) {
  return !(position == kPositionCentre && (centring == kCentreVertical || centring == kCentreBoth));
}

struct PagePoint {
  std::int32_t Left = 0;
  std::int32_t Top = 0;

  friend bool operator==(const PagePoint&, const PagePoint&) = default;
};

// The top-left corner of a picture of width x height on a page of pageWidth x pageHeight, all in
// twips, rounded to the nearest twip (halves to even). Nothing for an unknown choice. A picture
// larger than the page gives negative coordinates: PlacePictureOnPage keeps that from happening.
std::optional<PagePoint> PagePosition(int position, int centring, double pageWidth, double pageHeight, double width,
                                      double height);

// Where the picture is printed and at what size, and where the events list begins.
struct PicturePlacement {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;   // printed size, twips
  std::int32_t Height = 0;
  bool Scaled = false;      // smaller than its own size, to fit the page
  // The list's heading: under the picture, or at the top of the page when the picture stands at
  // the bottom. Meaningless when the position allows no list.
  std::int32_t EventsListTop = 0;
  // The list runs down to this line on the picture's page (the picture's top edge when the list
  // stands above it, else the page's bottom), and goes on over the next page.
  std::int32_t EventsListBottom = 0;
  bool ListAllowed = true;

  friend bool operator==(const PicturePlacement&, const PicturePlacement&) = default;
};

// The picture at its own size where the page position table puts it when it fits there; otherwise
// scaled down, keeping its proportions, to the largest size that fits the printable area from the
// same position rule, so no part of the month is cut off. Nothing for an unknown choice or an
// empty page or picture.
std::optional<PicturePlacement> PlacePictureOnPage(int position, int centring, int pageWidth, int pageHeight,
                                                   int pictureWidth, int pictureHeight);

// ---------------------------------------------------------------- the events list over pages

struct ListLinePlace {
  int Page = 0;  // 0: the picture's page
  int Top = 0;   // twips

  friend bool operator==(const ListLinePlace&, const ListLinePlace&) = default;
};

// Places lineCount lines of lineHeight twips from firstTop down to firstBottom on the picture's
// page, and from kEventsListGap down to pageHeight on every page after it. A page always takes at
// least one line, so a line higher than the page still moves the list on.
std::vector<ListLinePlace> PlaceListLines(int lineCount, int lineHeight, int firstTop, int firstBottom,
                                          int pageHeight);

// ---------------------------------------------------------------- the dialog's miniature page

struct PreviewSize {
  int Width = 0;
  int Height = 0;

  friend bool operator==(const PreviewSize&, const PreviewSize&) = default;
};

// The paper outline, portrait or landscape.
PreviewSize PreviewPaper(bool landscape);
// The planner outline (lblPlanner(0)) and its title strip (lblPlanner(1)) for a calendar size;
// nothing for an unknown size.
std::optional<PreviewSize> PreviewPlanner(int boxStyle);
std::optional<PreviewSize> PreviewPlannerTitle(int boxStyle);

// The paper's top-left corner inside the preview frame; it never moves.
inline constexpr int kPreviewPaperLeft = 240;
inline constexpr int kPreviewPaperTop = 360;

struct PreviewPlacement {
  int PlannerLeft = 0;  // lblPlanner(0)
  int TitleLeft = 0;    // lblPlanner(1)
  int PlannerTop = 0;   // both
  // Where the events symbol goes; nothing: it stays where it is (the list is excluded).
  std::optional<PagePoint> EventsSymbolAt;
  bool ExcludesList = false;

  friend bool operator==(const PreviewPlacement&, const PreviewPlacement&) = default;
};

// The miniature's placement table, in twips of the preview frame: paper of paper.Width x
// paper.Height, planner widths plannerWidth and titleWidth, planner height plannerHeight. A corner
// ignores the centring. Nothing for an unknown choice.
std::optional<PreviewPlacement> PlacePreview(int position, int centring, PreviewSize paper, int plannerWidth,
                                             int titleWidth, int plannerHeight);

}  // namespace orlevant
