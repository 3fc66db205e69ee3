#pragma once
// PickerModel: the picker's state behind the magnifier.
//
// It holds the current colour with the selected text format, the zoom, the
// source image (the last screen capture: a small live area around the
// pointer, or the whole desktop after a freeze), the view rectangle that
// the magnifier shows of it, and the display image built from the two.
//
// Coordinates. The view rectangle and the view centre are always in the
// source image's coordinates, and the model remembers where the source's
// top-left pixel lies on the screen. A live capture of a screen rectangle
// therefore shows the view (0, 0, width, height) of its own small image;
// freezing moves the view into the desktop image by the difference of the
// two origins, so the magnifier keeps showing the pixels last seen even
// when the virtual desktop does not start at (0, 0) (a monitor left of or
// above the primary one).
//
// The display image is handed out by value and shares its pixels with the
// model. The model renders into a spare block that no one else holds, so
// an image a caller keeps is never changed by a later render.
//
// One model per application, owned by the application controller; it
// borrows the settings store, which must outlive it. Main thread only.

#include "picker/Color.h"
#include "platform/Geometry.h"
#include "platform/Text.h"
#include "ui/core/UIImage.h"

#include <cstdint>
#include <functional>

class Settings;

class PickerModel {
public:
    static constexpr double kMinimumZoom = 1.0;
    static constexpr double kMaximumZoom = 100.0;
    static constexpr double kDoubleClickZoom = 15.0;
    // Added or subtracted per wheel notch: the golden ratio (sqrt(5) + 1) / 2.
    static double zoomStep();

    // Reads the zoom from `settings` ("general/zoomFactor"); null settings
    // (benchmarks) start at zoom 1.0 and store nothing.
    explicit PickerModel(Settings* settings);

    PickerModel(const PickerModel&) = delete;
    PickerModel& operator=(const PickerModel&) = delete;

    // --- Colour -----------------------------------------------------------
    // All four bytes 0 means nothing has been picked.
    Color color() const { return m_color; }
    bool hasColor() const { return !m_color.isNull(); }
    int32_t formatIndex() const { return m_formatIndex; }
    void setFormatIndex(int32_t index) { m_formatIndex = index; }
    // The colour as text in the selected format (empty for an index out of
    // range).
    String colorText() const;
    // Called after every pick, once the new colour is in place. One
    // receiver (the main window); setting another replaces it.
    void setColorChangedHandler(std::function<void()> handler) { m_colorChanged = std::move(handler); }

    // --- View -------------------------------------------------------------
    double zoom() const { return m_zoom; }
    // Block size of the magnification for the current zoom (1 when the
    // source is shown unmagnified).
    int32_t factor() const;
    const UIImage& sourceImage() const { return m_source; }
    const UIImage& displayImage() const { return m_display; }
    // In source-image coordinates (see the header comment).
    Rect viewRect() const { return m_viewRect; }
    Point viewCentre() const { return m_viewCentre; }
    // Screen position of the source image's top-left pixel.
    Point sourceOrigin() const { return m_sourceOrigin; }
    // Whether the source is a frozen copy of the whole desktop.
    bool isFrozen() const { return m_frozen; }

    // Live capture of the screen rectangle `rect` (screen coordinates), then
    // the display image: the capture itself at zoom 1.0, else its
    // magnification about its centre at its own size. The screen is only
    // captured again when `rect` differs from the area on view or the
    // source is the frozen desktop.
    void captureAt(const Rect& rect);
    // Captures the whole desktop as the source. The view keeps its place on
    // the screen; the display image is unchanged until the next render.
    void freeze();
    // Rebuilds the display image for the view rectangle `rect` (source
    // coordinates). Parts outside the source show the transparent fill.
    void render(const Rect& rect);
    // Sets the zoom to `value` clamped to [1, 100], re-renders a non-empty
    // view and stores the zoom at once. A value equal to the current zoom
    // (compared before clamping) changes nothing.
    void setZoom(double value);

    // Makes the display-image pixel at `point` (magnifier coordinates) the
    // current colour and notifies. A point outside the display image (or
    // no display image) picks nothing.
    void pick(Point point);

private:
    // An unshared 32-bit image of `size`, reusing `spare`'s block if it can.
    static UIImage takeBuffer(UIImage& spare, Size size);
    void setDisplay(UIImage image);
    void setView(const Rect& rect);

    Settings* m_settings;
    Color m_color;
    int32_t m_formatIndex = 0;
    double m_zoom = kMinimumZoom;

    UIImage m_source;
    Point m_sourceOrigin;
    bool m_frozen = false;
    Rect m_viewRect;
    Point m_viewCentre;
    UIImage m_display;
    // The previous source and display images, reused by the next capture or
    // render when no one else holds them any more.
    UIImage m_spareSource;
    UIImage m_spareDisplay;

    std::function<void()> m_colorChanged;
};
