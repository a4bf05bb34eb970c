#pragma once

// The maker's addresses, opened from the main window and the About window,
// kept here so that every window uses the same ones.
namespace Links {
inline constexpr char MakerSite[] = "https://quennic.example/";
inline constexpr char FeedbackAddress[] = "feedback@quennic.example";
inline constexpr char FeedbackSubject[] = "BRIVELA%20feedback";
} // namespace Links
