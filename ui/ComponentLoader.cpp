// Loading libhygrovex.so with QLibrary and creating clsHygrovex.
#include "ComponentLoader.h"

#include "Seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kestrix::ui {

namespace {
constexpr const char* kLibraryFile = "libhygrovex.so";
}

ComponentLoader::~ComponentLoader() {
    Release();
    // Destroying the QLibrary does not unmap the library: it stays loaded until
    // the process ends, as the component's output window may outlive this.
}

QStringList ComponentLoader::DefaultSearchPaths() {
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir, QDir::cleanPath(dir + "/../lib/kestrix"), QDir::cleanPath(dir + "/../lib")};
}

bool ComponentLoader::Load(QString* error, const QStringList& searchPaths, const char* classId) {
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (object_)
        return true;

    QString path;
    for (const QString& dir : searchPaths) {
        const QString candidate = dir + "/" + kLibraryFile;
        if (QFileInfo(candidate).isFile()) {
            path = candidate;
            break;
        }
    }
    if (path.isEmpty())
        return fail(QStringLiteral("Kestrix cannot start: the psychrometric component library "
                                   "%1 was not found in %2.")
                        .arg(kLibraryFile, searchPaths.join(QStringLiteral(" or "))));

    auto library = std::make_unique<QLibrary>(path);
    if (!library->load())
        return fail(QStringLiteral("Kestrix cannot start: the psychrometric component library "
                                   "%1 could not be loaded (%2).")
                        .arg(path, library->errorString()));

    auto create = reinterpret_cast<CreateFn>(library->resolve("HygrovexCreateObject"));
    auto release = reinterpret_cast<ReleaseFn>(library->resolve("HygrovexReleaseObject"));
    auto setHandler = reinterpret_cast<SetHandlerFn>(library->resolve("HygrovexSetMessageHandler"));
    if (!create || !release || !setHandler) {
        library->unload();
        return fail(QStringLiteral("Kestrix cannot start: %1 is not the psychrometric component "
                                   "library (its entry points are missing).")
                        .arg(path));
    }

    hygrovex::_clsHygrovex* object = create(classId);
    if (!object) {
        library->unload();
        return fail(QStringLiteral("Kestrix cannot start: the component library %1 does not "
                                   "provide the class %2.")
                        .arg(path, QString::fromLatin1(classId)));
    }

    library_ = std::move(library);
    release_ = release;
    setHandler_ = setHandler;
    object_ = object;
    setHandler_(&ComponentLoader::OnMessage, this);
    return true;
}

void ComponentLoader::Release() {
    if (!object_)
        return;
    setHandler_(nullptr, nullptr);
    release_(object_);
    object_ = nullptr;
}

void ComponentLoader::OnMessage(void* context, const hygrovex::Message& message) {
    auto* self = static_cast<ComponentLoader*>(context);
    const QString title = QString::fromUtf8(message.title ? message.title : "");
    const QString text = QString::fromUtf8(message.text ? message.text : "");
    const QString helpFile = QString::fromUtf8(message.helpFile ? message.helpFile : "");
    if (self && self->sink_) {
        self->sink_(title, text, helpFile, message.helpTopic);
        return;
    }
    Messages().Show(nullptr, title, text, MessageKind::Error, helpFile, message.helpTopic);
}

} // namespace kestrix::ui
