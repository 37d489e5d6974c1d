#pragma once

/// Addresses the program opens in the browser.
namespace ProductInfo {
inline constexpr const char* ProductPage = "https://corvane.app/";
inline constexpr const char* UserGuidePage = "https://corvane.app/guide/";
}  // namespace ProductInfo
