#include "app/settings_store_qt.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringConverter>
#include <QVariant>

namespace {

QString keyOf(std::string_view name) { return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())); }

// A free name beside the file for the copy of an unreadable one.
QString copyName(const QString& path) {
    QString name = path + QStringLiteral(".unreadable");
    for (int n = 2; QFileInfo::exists(name) && n < 1000; ++n) {
        name = path + QStringLiteral(".unreadable-%1").arg(n);
    }
    return name;
}

}  // namespace

bool looksLikeIniText(const QByteArray& bytes) {
    if (bytes.contains('\0')) return false;
    QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError()) return false;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const QStringView t = line.trimmed();
        if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'#')) continue;
        if (t.startsWith(u'[') && t.endsWith(u']')) continue;
        if (t.indexOf(u'=') > 0) continue;
        return false;
    }
    return true;
}

QString QtSettingsStore::defaultPath() {
    const QByteArray chosen = qgetenv("ZENTRA_SETTINGS");
    if (!chosen.isEmpty()) return QString::fromLocal8Bit(chosen);
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tavex"), QStringLiteral("Zentra"))
        .fileName();
}

QtSettingsStore::QtSettingsStore(const QString& path) : path_(path) {
    QFile file(path_);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            readable_ = false;
        } else {
            readable_ = looksLikeIniText(file.readAll());
            file.close();
        }
    }
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    if (settings_->status() != QSettings::NoError) readable_ = false;
    if (readable_) return;

    // Keep the user's file before anything writes over it.
    const QString copy = copyName(path_);
    if (QFile::copy(path_, copy)) {
        keptCopy_ = copy;
        // Start from an empty file, so that nothing of the damaged one is read.
        settings_.reset();
        if (QFile::remove(path_)) {
            settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
            return;
        }
    }
    writable_ = false;
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
}

QtSettingsStore::~QtSettingsStore() { flush(); }

std::optional<std::string> QtSettingsStore::value(std::string_view name) const {
    if (!readable_) return std::nullopt;
    const QVariant v = settings_->value(keyOf(name));
    if (!v.isValid()) return std::nullopt;
    // An unquoted value with commas (a file edited by hand) reads as a list.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(u',').toStdString();
    if (v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray) return v.toString().toStdString();
    return std::nullopt;  // "@Variant(...)" and the like: nothing of ours
}

void QtSettingsStore::setValue(std::string_view name, std::string_view value) {
    if (!writable_) return;
    settings_->setValue(keyOf(name), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QtSettingsStore::flush() {
    if (writable_ && settings_) settings_->sync();
}

QString QtSettingsStore::startNote() const {
    if (readable_) return {};
    if (!keptCopy_.isEmpty()) {
        return QStringLiteral("設定ファイルを読めないため既定の設定で起動しました（元のファイルは %1）").arg(keptCopy_);
    }
    return QStringLiteral("設定ファイルを読めないため既定の設定で起動しました。設定は保存しません");
}
