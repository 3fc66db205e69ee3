#pragma once
// Who made the program and what it is called.

inline constexpr char16_t kProductName[] = u"Morvellan Tintscope";
inline constexpr char16_t kProductVersion[] = u"1.2.7";
inline constexpr char16_t kOrganisationName[] = u"Morvellan Software";
// The maker has no web site yet; these are reserved example addresses.
inline constexpr char16_t kOrganisationDomain[] = u"morvellan.example";
inline constexpr char16_t kHomePageUrl[] = u"https://morvellan.example/tintscope/";
