#pragma once
// UICursorTable: the pointer shapes by identifier. The system's own shapes
// come first, then the program's cursors described by "cursors/cursors.xml"
// in the "data" package (a name and a hot spot per cursor, its image the
// PNG of that name in the same folder).
//
// Ownership: the table owns the native cursors it made from images and
// destroys them with itself; system cursors are shared and never destroyed.
// Handles handed out stay valid while the table exists. A custom cursor is
// made from its image on its first lookup (the table keeps the PNG bytes
// until then): a window shows a few of the program's cursors, rarely all.

#include "platform/FileSystem.h"
#include "platform/Geometry.h"
#include "platform/NativeHandle.h"
#include "platform/NativeIcon.h"
#include "platform/Text.h"

#include <cstdint>
#include <vector>

class Package;

// Cursor identifiers; the numbers are fixed because widgets store them.
enum class CursorId : int32_t {
    Arrow = 1,
    Cross = 2,
    Wait = 3,
    TextBeam = 4,
    Hand = 5,
    HandOpen = 6,
    HandClose = 7,
    HandFinger = 8,
    SizeNorthSouth = 9,
    SizeWestEast = 10,
    SizeNorthEastSouthWest = 11,
    SizeNorthWestSouthEast = 12,
    SizeAll = 13,
    Lens = 14,
    LensPlus = 15,
    LensMinus = 16,
    SplitTopBottom = 17,
    SplitLeftRight = 18,
    SplitLeft = 19,
    SplitRight = 20,
    SplitTop = 21,
    SplitBottom = 22,
    Pipette = 23,
    Target = 24,
    Empty = 25,
};

// The identifier of a custom cursor's name in "cursors.xml" ("pipette");
// Arrow for any other name.
CursorId cursorIdOf(StringView name);

class UICursorTable {
public:
    UICursorTable() = default;
    UICursorTable(const UICursorTable&) = delete;
    UICursorTable& operator=(const UICursorTable&) = delete;

    // (Re)builds the table from the system cursors and the custom cursors
    // of `data` (none when null or when its "cursors.xml" is missing or
    // broken). A custom cursor whose image is missing or cannot become a
    // native cursor is left out, so its identifier falls back to the arrow.
    void build(const Package* data);
    bool isBuilt() const { return m_built; }

    // The native cursor of the identifier: the first entry with it, or the
    // arrow for an identifier without one. The first call on a table not yet
    // built builds it from the running Application's "data" package.
    NativeHandle nativeCursor(int32_t id);
    NativeHandle nativeCursor(CursorId id) { return nativeCursor(static_cast<int32_t>(id)); }

private:
    struct Entry {
        int32_t id = 0;
        NativeHandle handle = nullptr;
        platform::NativeIcon owned; // null for system cursors
        // A custom cursor's image until the cursor is made.
        platform::Bytes encoded;
        Point hotspot;
        // The image did not become a cursor: the entry matches nothing.
        bool failed = false;
    };

    // Makes a pending custom cursor; false when it cannot be made (then or
    // before), and the entry then matches no identifier.
    static bool resolve(Entry& entry);

    std::vector<Entry> m_entries;
    bool m_built = false;
};
