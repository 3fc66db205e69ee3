# The product's name, version and maker come from app/ProductInfo.h, the one
# place they are written: the program shows them, and the build reads them
# from there for the version resource, the manifest and the release names.
function(tintscope_read_product_string header constant out)
    file(STRINGS ${header} lines REGEX "^inline constexpr char16_t ${constant}\\[\\] = u\"[^\"]*\";")
    list(LENGTH lines count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "${header}: expected one definition of ${constant}")
    endif()
    string(REGEX MATCH "= u\"([^\"]*)\"" matched "${lines}")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

set(product_info_header ${CMAKE_CURRENT_LIST_DIR}/../app/ProductInfo.h)
# A change to the header configures the build again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${product_info_header})
tintscope_read_product_string(${product_info_header} kProductName TINTSCOPE_PRODUCT_NAME)
tintscope_read_product_string(${product_info_header} kProductVersion TINTSCOPE_VERSION)
tintscope_read_product_string(${product_info_header} kOrganisationName TINTSCOPE_ORGANISATION)
if(NOT TINTSCOPE_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
    message(FATAL_ERROR "${product_info_header}: kProductVersion '${TINTSCOPE_VERSION}' is not MAJOR.MINOR.PATCH")
endif()
