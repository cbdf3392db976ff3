#pragma once

// The maker's web page, opened by a click on the logo.
inline constexpr const char *WebPageAddress = "https://quaxel.example.org/";
