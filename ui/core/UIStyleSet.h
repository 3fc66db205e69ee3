#pragma once
// UIStyleSet: one complete look of the toolkit, loaded from a style set: a
// ".style" package or a folder of the same layout holding
//   images/          the standard images (StandardImage.h)
//   skins/           one PNG per skin, named after the skin
//   xml/skins.xml    the skins' geometry
//   xml/models.xml   property values per widget class (UIStyleModels)
//   xml/metrics.xml  the metrics (UIMetrics)
//
// A style set is built whole or not at all: loadStyleSet returns a complete
// object or nothing, so a failed load never disturbs the set in use. The
// owner (the UI manager) holds the current set; skins and images handed out
// share their pixels with it and stay valid after it goes. The set keeps
// its images encoded and decodes each on first use (skins: UISkin), so
// loading costs the documents and one standard image.

#include "ui/core/StandardImage.h"
#include "ui/core/UIImage.h"
#include "ui/core/UIMetrics.h"
#include "ui/core/UISkin.h"
#include "ui/core/UIStyleModels.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class Package;
// Where a style set lives. The numbers are those style records store.
enum class StyleStorage : int32_t { Undetermined = 0, Folder = 1, Package = 2 };

struct NamedSkin {
    String name;
    UISkin skin;
};

class UIStyleSet {
public:
    const String& location() const { return m_location; }
    StyleStorage storage() const { return m_storage; }

    // Empty for an index out of range or an image the set lacks (or that
    // does not decode). Decodes the image on its first request.
    const UIImage& standardImage(int32_t index) const;
    const UIImage& standardImage(StandardImage image) const { return standardImage(static_cast<int32_t>(image)); }

    // Skins in the order of "skins.xml" (a repeated name keeps its first
    // place and takes the later definition).
    const std::vector<NamedSkin>& skins() const { return m_skins; }
    // The skin of exactly that name; the empty skin when there is none.
    const UISkin& skin(StringView name) const;
    // The skins a widget of the style name receives, in list order: those
    // named "<styleName>_<part>" (or exactly the style name). "UILine"
    // does not receive "UILineEdit_Background".
    std::vector<const NamedSkin*> skinsFor(StringView styleName) const;

    // The properties of the style name's model, in document order.
    std::vector<StyleProperty> propertiesFor(StringView styleName) const { return m_models.propertiesFor(styleName); }
    const UIStyleModels& models() const { return m_models; }

    int32_t metric(MetricId id) const { return m_metrics.metric(id); }
    int32_t metric(int32_t id) const { return m_metrics.metric(id); }
    const UIMetrics& metrics() const { return m_metrics; }

private:
    friend std::unique_ptr<UIStyleSet> loadStyleSet(StringView location, StyleStorage storage);
    friend std::unique_ptr<UIStyleSet> loadStyleSet(const Package& package, StringView location);
    // The loading proper, from the package when there is one, else from
    // the folder at `location`.
    static std::unique_ptr<UIStyleSet> load(StringView location, StyleStorage storage, const Package* package);

    String m_location;
    StyleStorage m_storage = StyleStorage::Undetermined;
    // A standard image's file until its first request, then its pixels.
    struct StandardImageSlot {
        platform::Bytes encoded;
        bool decoded = false;
        UIImage image;
    };

    mutable std::array<StandardImageSlot, kStandardImageCount> m_standardImages;
    std::vector<NamedSkin> m_skins;
    UIStyleModels m_models;
    UIMetrics m_metrics;
};

// The file of the style set `name`: a name holding a path separator is a
// path and must name an existing file; otherwise "<name>.style" beside the
// executable, then in its "styles" folder. Folders are never taken.
std::optional<String> findStyle(StringView name, StringView executableFolder);

// Loads the style set at `location` (a package file or a folder; an
// undetermined storage is a folder when the location is one). Loads the
// standard images, skins, models and metrics in that order; nothing when
// the location is empty, the package cannot be opened, a document is
// missing, malformed or has the wrong root element, or no standard image,
// no skin or no metric results. An image beyond kMaxPackageImageSide
// (ui/core/PackageImage.h) counts as missing, in a folder as in a package. File names taken from the documents never
// lead outside the style set.
std::unique_ptr<UIStyleSet> loadStyleSet(StringView location, StyleStorage storage = StyleStorage::Undetermined);
// The same from a package already in memory, which the caller keeps; the
// set records `location` as where it came from.
std::unique_ptr<UIStyleSet> loadStyleSet(const Package& package, StringView location = {});

// findStyle, then loadStyleSet of the package found.
std::unique_ptr<UIStyleSet> loadStyle(StringView name, StringView executableFolder);
