// Loads the Hygrovex library (libhygrovex.so) at start-up, creates the one
// psychrometric object by its class identifier and routes the component's
// range message to the program's message boxes.
#pragma once

#include <hygrovex/clsHygrovex.h>

#include <QLibrary>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace kestrix::ui {

class ComponentLoader {
public:
    // Receives the component's message (title, text, help file, help topic).
    using MessageSink = std::function<void(const QString& title, const QString& text,
                                           const QString& helpFile, int helpTopic)>;

    ComponentLoader() = default;
    ComponentLoader(const ComponentLoader&) = delete;
    ComponentLoader& operator=(const ComponentLoader&) = delete;
    ~ComponentLoader();

    // The folders searched for the library: the program's own folder, then
    // ../lib/kestrix (where it is installed), then ../lib.
    static QStringList DefaultSearchPaths();

    // Loads the library from the first folder that holds it and creates the
    // object. On failure returns false and puts a message for the user into
    // *error; nothing is left half-loaded.
    bool Load(QString* error, const QStringList& searchPaths = DefaultSearchPaths(),
              const char* classId = hygrovex::kClassId);

    hygrovex::_clsHygrovex* Object() const { return object_; }
    // Releases the object (the main window's shut-down step). Safe to repeat.
    void Release();

    // Where the component's messages go; without a sink they go to the
    // message seam with no parent window.
    void SetMessageSink(MessageSink sink) { sink_ = std::move(sink); }

    QString LibraryPath() const { return library_ ? library_->fileName() : QString(); }

private:
    static void OnMessage(void* context, const hygrovex::Message& message);

    using CreateFn = hygrovex::_clsHygrovex* (*)(const char*);
    using ReleaseFn = void (*)(hygrovex::_clsHygrovex*);
    using SetHandlerFn = void (*)(hygrovex::MessageHandler, void*);

    std::unique_ptr<QLibrary> library_;
    ReleaseFn release_ = nullptr;
    SetHandlerFn setHandler_ = nullptr;
    hygrovex::_clsHygrovex* object_ = nullptr;
    MessageSink sink_;
};

} // namespace kestrix::ui
