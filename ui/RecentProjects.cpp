// The recent projects list; see RecentProjects.h.
#include "RecentProjects.h"

#include "Settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QString>

#include <algorithm>

namespace kestrix::ui {

std::vector<std::string> WithRecentProject(std::vector<std::string> list, const std::string& path) {
    if (path.empty())
        return list;
    list = WithoutRecentProject(std::move(list), path);
    list.insert(list.begin(), path);
    if (list.size() > static_cast<std::size_t>(kRecentProjectCount))
        list.resize(kRecentProjectCount);
    return list;
}

std::vector<std::string> WithoutRecentProject(std::vector<std::string> list,
                                              const std::string& path) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    return list;
}

std::vector<std::string> CleanRecentProjects(const std::vector<std::string>& stored) {
    std::vector<std::string> list;
    for (const std::string& path : stored) {
        if (list.size() == static_cast<std::size_t>(kRecentProjectCount))
            break;
        if (!path.empty() && std::find(list.begin(), list.end(), path) == list.end())
            list.push_back(path);
    }
    return list;
}

std::string RecentProjectCaption(int index, const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string caption = "&" + std::to_string(index + 1) + " ";
    for (const char c : name) {
        if (c == '&')
            caption += '&';
        caption += c;
    }
    return caption;
}

namespace {

QString RecentKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

std::vector<std::string> ReadRecentProjects() {
    QSettings store(kSettingsApplication, kSettingsApplication);
    store.beginGroup(kRecentProjectsGroup);
    std::vector<std::string> stored;
    for (int i = 0; i < kRecentProjectCount; ++i)
        stored.push_back(store.value(RecentKey(i)).toString().toStdString());
    return CleanRecentProjects(stored);
}

void WriteRecentProjects(const std::vector<std::string>& list) {
    QSettings store(kSettingsApplication, kSettingsApplication);
    store.beginGroup(kRecentProjectsGroup);
    store.remove(QString()); // this group only; the other settings stay
    const std::vector<std::string> clean = CleanRecentProjects(list);
    for (std::size_t i = 0; i < clean.size(); ++i)
        store.setValue(RecentKey(static_cast<int>(i)), QString::fromStdString(clean[i]));
}

std::string RecentProjectPath(const std::string& path) {
    if (path.empty())
        return path;
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

} // namespace kestrix::ui
