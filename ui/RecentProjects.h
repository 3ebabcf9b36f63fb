// The File menu's list of recently opened or saved projects: the last five
// project files, most recent first, kept in the per-user settings store
// (QSettings("Kestrix", "Kestrix"), group "RecentProjects", values "File1" to
// "File5", each a full path) beside the program's other settings.
//
// The list rules (move to the top, collapse duplicates, keep five, the menu
// captions) are plain functions without Qt so they can be tested alone; the
// store access below them is thin.
#pragma once

#include <string>
#include <vector>

namespace kestrix::ui {

inline constexpr const char* kRecentProjectsGroup = "RecentProjects";
inline constexpr int kRecentProjectCount = 5;

// The list with path at the top: an earlier entry for the same file is
// dropped, and the list is cut to kRecentProjectCount entries. An empty path
// leaves the list as it is.
std::vector<std::string> WithRecentProject(std::vector<std::string> list, const std::string& path);
// The list without any entry for path.
std::vector<std::string> WithoutRecentProject(std::vector<std::string> list,
                                              const std::string& path);
// A list as read from the store made sound: empty entries and repeats
// dropped (the first one kept), at most kRecentProjectCount entries.
std::vector<std::string> CleanRecentProjects(const std::vector<std::string>& stored);
// The menu caption of the entry at index (0 is the top): "&1 name.pjt", the
// file name without its folder, an ampersand in it doubled so it shows as
// itself.
std::string RecentProjectCaption(int index, const std::string& path);

// The store (group "RecentProjects", "File1" to "File5").

// The stored list, cleaned; empty when nothing is stored.
std::vector<std::string> ReadRecentProjects();
// Replaces the stored list with list (at most kRecentProjectCount entries).
void WriteRecentProjects(const std::vector<std::string>& list);
// The full, absolute form of a path as the list keeps it, so that two names
// of one file make one entry.
std::string RecentProjectPath(const std::string& path);

} // namespace kestrix::ui
