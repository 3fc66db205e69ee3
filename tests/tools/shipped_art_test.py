#!/usr/bin/env python3
"""shipped_art_test.py RENDERED-DATA-FOLDER

Checks the rendered data folder (the build tree's mirror of data/) against
what the program and its widgets look up: the data package's images and
cursors, and the default style set's standard images, skins, models and
metrics. Prints every fault and exits with 1 when there is one.
"""
import os
import struct
import sys
import xml.etree.ElementTree as ElementTree

# The data package's images, by the names the windows load them under, with
# the size each needs where the program depends on it.
PACKAGE_IMAGES = {
    "window_icon_big": (32, 32), "window_icon_small": (16, 16),
    "transparent": None, "top_most_on": None, "top_most_off": None, "options_button": None, "about_button": None,
    "color_indicator_background": None, "color_indicator_border": None, "color_indicator_border_copy": None,
    "color_indicator_border_copy_down": None, "menu_home_page": None, "menu_hide": None, "menu_show": None, "logo": None,
}
INDICATOR_COLOUR_SIDE = 52
CURSORS = ["hand", "hand_open", "hand_close", "hand_finger", "lens", "lens_plus", "lens_minus", "split_top_bottom",
           "split_left_right", "split_left", "split_right", "split_top", "split_bottom", "pipette", "target", "empty"]
STANDARD_IMAGES = ["DialogHelpButton", "DirectoryBig", "DirectorySmall"] + [
    kind + size for size in ("Big", "Medium", "Small") for kind in ("Information", "Question", "Warning", "Critical")
] + ["WindowCloseButton", "WindowMaximizeButton", "WindowMinimizeButton", "Focus"]
METRICS = ["LayoutLeftMargin", "LayoutTopMargin", "LayoutRightMargin", "LayoutBottomMargin", "LayoutHorizontalSpacing",
           "LayoutVerticalSpacing", "SmallIconSize", "MediumIconSize", "LargeIconSize", "TextCursorWidth",
           "MessageBoxIconSize", "WindowDesktopPadding"]

# Skins the widgets ask for, with the fewest frames their state rules index.
SKINS = {
    "UIButton_Background": 5, "UICheckBox_Indicator": 8, "UIGroup_Background": 1, "UIGroup_Indicator": 8,
    "UILine_Background": 1, "UISizeGrip_Background": 1, "UIComboBox_Background": 4, "UIComboBox_Arrow": 4,
    "UIList_Background": 1, "UIList_Selection": 1, "UIMenu_ItemArrow": 1, "UIMenu_ItemCheckIndicator": 1,
    "UIMenu_ItemRadioIndicator": 1, "UIMenu_ItemSeparator": 1, "UIMenu_VerticalLine": 1,
    "UIMenu_HoveredItemBackground": 1, "UIToolTip_Background": 1, "UIHotKey_Background": 1,
    "UILineEdit_Background": 1,
}
SKINS.update({"UIScrollBar_" + part: 1 for part in (
    "HorizontalBackground", "LeftArrowBackground", "RightArrowBackground", "HorizontalThumbBackground",
    "HorizontalThumbGripper", "VerticalBackground", "TopArrowBackground", "BottomArrowBackground",
    "VerticalThumbBackground", "VerticalThumbGripper", "ArrowLeft", "ArrowRight", "ArrowUp", "ArrowDown")})

TEXT = ["font", "foreground", "shadowForeground", "shadowOffset"]
DISABLED = ["disabledForeground", "disabledShadowForeground"]
WINDOW = ["background", "borderColor"]
LIST = ["font", "foreground", "background", "detailedFont", "detailedForeground", "disabledDetailedForeground",
        "disabledForeground", "defaultItemBackground", "defaultItemForeground", "selectedItemBackground",
        "selectedItemForeground", "alternateItemBackground", "alternateItemForeground", "gridColor", "borderColor",
        "listModeItemHeight", "listModeItemPadding", "listModeItemSpacing", "iconModeItemSize",
        "iconModeItemHorizontalSpacing", "iconModeItemVerticalSpacing", "iconModeItemPadding", "iconModePadding",
        "isDrawGrid", "blankForeground", "shadowBlankForeground", "blankFont", "spacingBetweenIconAndText",
        "spacingBetweenTextAndDetailedText"]
# Every key each class reads: a model must give all of them and no other.
MODELS = {
    "UIWindow": WINDOW, "UIDialog": WINDOW, "UIMessageBox": WINDOW + ["titleFont"],
    "UIButton": TEXT + DISABLED + ["background", "downOffset", "padding", "minimumSize", "iconAndTextSpacing"],
    "UILink": TEXT + ["hoveredFont", "hoveredForeground", "hoveredShadowForeground"],
    "UILabel": TEXT + DISABLED,
    "UICheckBox": TEXT + DISABLED + ["indicatorSize", "indicatorSpacing"],
    "UIGroup": TEXT + DISABLED + ["background", "indicatorSize", "indicatorSpacing"],
    "UIPicture": TEXT + ["background"],
    "UIBox": ["background"],
    "UISizeGrip": ["size"],
    "UIComboBox": ["font", "foreground", "disabledForeground", "minimumHeight", "minimumWidth", "maximumWidth",
                   "spacing", "padding", "popupPadding", "popupBackground"],
    "UIList": LIST, "UIListView": LIST,
    "UIMenu": TEXT + DISABLED + ["background", "borderColor", "padding", "desktopPadding", "minimumWidth",
                                 "hoveredForeground", "hoveredShadowForeground", "itemPadding", "itemIconSpace",
                                 "itemArrowSpace", "isForceIconSpace"],
    "UIToolTip": TEXT + ["background", "borderColor", "padding", "cornerDiametr", "desktopPadding",
                         "desktopVerticalOffset"],
    "UIHotKey": TEXT + ["background", "minimumSize", "padding"],
    "UILineEdit": ["font", "foreground", "background", "selectedForeground", "selectedBackground",
                   "unfocusedSelectedForeground", "unfocusedSelectedBackground", "disabledForeground",
                   "disabledBackground", "readonlyForeground", "readonlyBackground", "blankFont", "blankForeground",
                   "minimumWidth", "minimumHeight", "padding"],
    "UIScrollBar": ["background", "thickness", "thumbMinimumLength"],
    "UIScrollArea": ["background"], "UIScrollAreaViewport": ["background"], "UIScrollAreaCorner": ["background"],
}

faults = []


def fault(message):
    faults.append(message)


def png_size(path):
    """(width, height) of a PNG, or None after a fault."""
    try:
        with open(path, "rb") as f:
            head = f.read(29)
    except OSError:
        fault(f"missing image: {path}")
        return None
    if len(head) < 29 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        fault(f"not a PNG: {path}")
        return None
    return struct.unpack(">II", head[16:24])


def load(path, root):
    try:
        document = ElementTree.parse(path).getroot()
    except (OSError, ElementTree.ParseError) as error:
        fault(f"{path}: {error}")
        return None
    if document.tag != root:
        fault(f"{path}: root element is {document.tag}, not {root}")
        return None
    return document


def integers(text):
    try:
        return [int(part) for part in text.split(",")]
    except ValueError:
        return None


def check_folder_holds_only(folder, names):
    for file in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
        if file.endswith(".png") and file[:-4] not in names:
            fault(f"image named by nothing: {os.path.join(folder, file)}")


def check_package(root):
    images = os.path.join(root, "data", "images")
    sizes = {}
    for name, wanted in PACKAGE_IMAGES.items():
        size = sizes[name] = png_size(os.path.join(images, name + ".png"))
        if size and wanted and size != wanted:
            fault(f"{name}.png is {size}, not {wanted}")
    indicator = [sizes[name] for name in PACKAGE_IMAGES if name.startswith("color_indicator")]
    if all(indicator) and (len(set(indicator)) != 1 or min(indicator[0]) < INDICATOR_COLOUR_SIDE):
        fault(f"the colour indicator's images differ or cannot frame the colour: {indicator}")

    cursors = os.path.join(root, "data", "cursors")
    document = load(os.path.join(cursors, "cursors.xml"), "cursors")
    if document is None:
        return
    named = [element.get("name") for element in document]
    for name in sorted(set(CURSORS) - set(named)):
        fault(f"cursors.xml lacks cursor {name}")
    for element in document:
        name = element.get("name")
        if named.count(name) > 1 or name not in CURSORS:
            fault(f"cursors.xml: unknown or repeated cursor {name}")
        size = png_size(os.path.join(cursors, f"{name}.png"))
        hotspot = integers(f"{element.get('hotspotX')},{element.get('hotspotY')}")
        if size and (hotspot is None or not (0 <= hotspot[0] < size[0] and 0 <= hotspot[1] < size[1])):
            fault(f"cursor {name}: hot spot outside its {size} image")
    check_folder_holds_only(cursors, named)


def check_skins(style):
    document = load(os.path.join(style, "xml", "skins.xml"), "skins")
    if document is None:
        return
    seen = set()
    for element in document:
        name = element.get("name", "")
        if name in seen:
            fault(f"skin {name} given twice")
        seen.add(name)
        if name.split("_")[0] not in set(MODELS) | {"UILine"}:
            fault(f"skin {name} belongs to no widget class")
        count, width, height = (int(element.get(key, "0")) for key in ("count", "width", "height"))
        if count < SKINS.get(name, 1) or width < 1 or height < 1:
            fault(f"skin {name}: {count} frames of {width}x{height}, needs {SKINS.get(name, 1)} frames")
            continue
        size = png_size(os.path.join(style, "skins", name + ".png"))
        vertical = element.get("orientation") == "v"
        strip = (width, height * count) if vertical else (width * count, height)
        if size and size != strip:
            fault(f"skin {name}: image is {size}, its frames make {strip}")
        columns, rows = integers(element.get("columns", "")), integers(element.get("rows", ""))
        if (columns is None) != (rows is None):
            fault(f"skin {name}: columns and rows must come together")
        elif columns is not None:
            if len(columns) != 3 or len(rows) != 3 or sum(columns) != width or sum(rows) != height \
                    or min(columns + rows) < 0 or columns[0] < 1:
                fault(f"skin {name}: slices {columns} {rows} do not cut a {width}x{height} frame")
    for name in sorted(set(SKINS) - seen):
        fault(f"skins.xml lacks skin {name}")
    check_folder_holds_only(os.path.join(style, "skins"), seen)

    # A sliced skin draws nothing into a target smaller than its fixed parts:
    # the separator line is two pixels high.
    line = document.find("skin[@name='UILine_Background']")
    if line is not None and line.get("rows"):
        if int(line.get("height")) - integers(line.get("rows"))[1] + 1 > 2:
            fault("UILine_Background cannot be drawn into the line's 2-px height")


def check_models(style):
    document = load(os.path.join(style, "xml", "models.xml"), "models")
    if document is None:
        return
    seen = set()
    for model in document:
        name = model.get("name")
        if name in seen or name not in MODELS:
            fault(f"models.xml: unknown or repeated model {name}")
            continue
        seen.add(name)
        keys = [prop.get("name") for prop in model]
        for key in sorted(set(MODELS[name]) - set(keys)):
            fault(f"model {name} lacks {key}")
        for prop in model:
            key, data = prop.get("name"), prop.get("data")
            if key not in MODELS[name] or keys.count(key) > 1:
                fault(f"model {name}: unknown or repeated key {key}")
            if data is None or "var(" in data:
                fault(f"model {name}: {key} has no value or an unresolved colour: {data}")
    for name in sorted(set(MODELS) - seen):
        fault(f"models.xml lacks model {name}")


def check_style(root):
    style = os.path.join(root, "styles", "default")
    for name in STANDARD_IMAGES:
        png_size(os.path.join(style, "images", name + ".png"))
    check_folder_holds_only(os.path.join(style, "images"), STANDARD_IMAGES)
    check_skins(style)
    check_models(style)
    document = load(os.path.join(style, "xml", "metrics.xml"), "metrics")
    if document is not None:
        named = [element.get("name") for element in document]
        for name in METRICS:
            if named.count(name) != 1:
                fault(f"metrics.xml gives {name} {named.count(name)} times")
        for element in document:
            value = integers(element.get("value", ""))
            if element.get("name") not in METRICS or value is None or value[0] < 1:
                fault(f"metrics.xml: bad metric {element.get('name')}={element.get('value')}")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    check_package(sys.argv[1])
    check_style(sys.argv[1])
    for message in faults:
        print("FAULT: " + message)
    print(f"{len(faults)} fault(s)" if faults else "the shipped artwork is complete")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
