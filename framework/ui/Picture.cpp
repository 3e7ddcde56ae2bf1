#include "framework/ui/Picture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <cmath>

#include "framework/ui/detail/PictureImpl.h"

namespace fw {

namespace {

// A pixmap needs the GUI application; without it nothing can be opened. The
// file's format comes from its name, so that no other image plugin is loaded
// at start-up.
QPixmap Load(const QString& path) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr ||
        !QFileInfo(path).isFile()) {
        return {};
    }
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// Double-resolution pictures only pay on a screen that can show them.
bool HighDensityScreen() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app != nullptr && app->devicePixelRatio() > 1.0;
}

}  // namespace

Picture::Picture() : impl_(std::make_unique<Impl>()) {}

Picture::~Picture() = default;

const ClassRecord& Picture::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("Picture", &Object::StaticClass());
    return record;
}

Ref<Picture> Picture::_OpenFromApp(std::string_view fileName) {
    if (fileName.empty() || QCoreApplication::instance() == nullptr) {
        return nullptr;
    }
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/resources");
    const QString name =
        QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
    // "Curve.png" has its double-resolution twin in "Curve@2x.png".
    const QFileInfo plain(folder + QLatin1Char('/') + name);
    const QString suffix = plain.suffix();
    const QString twin = plain.path() + QLatin1Char('/') + plain.completeBaseName() +
                         QStringLiteral("@2x") + (suffix.isEmpty() ? QString() : "." + suffix);

    // The twin of the screen's density first, the other one when it is missing.
    const bool twinFirst = HighDensityScreen();
    QPixmap pixmap = Load(twinFirst ? twin : plain.filePath());
    bool isTwin = twinFirst;
    if (pixmap.isNull()) {
        pixmap = Load(twinFirst ? plain.filePath() : twin);
        isTwin = !twinFirst;
    }
    if (isTwin) {
        pixmap.setDevicePixelRatio(2.0);
    }
    if (pixmap.isNull()) {
        return nullptr;
    }
    auto picture = RuntimeNewObject<Picture>();
    picture->impl_->pixmap = pixmap;
    return picture;
}

int64_t Picture::Width() const {
    return static_cast<int64_t>(std::lround(impl_->pixmap.deviceIndependentSize().width()));
}

int64_t Picture::Height() const {
    return static_cast<int64_t>(std::lround(impl_->pixmap.deviceIndependentSize().height()));
}

}  // namespace fw
