// The settings store of the desktop application: an INI file through
// QSettings (organisation "Tavex", application "Zentra", user scope), or the
// file that ZENTRA_SETTINGS names.
//
// A file that exists but cannot be read as settings (QSettings reports an
// error, or the bytes are no INI text) is never overwritten by a program that
// has not seen the user's texts in it: it is copied aside first, and when
// even that fails nothing is written in this session.
#pragma once

#include <QString>
#include <memory>

#include "shell/settings_store.h"

class QSettings;

class QtSettingsStore : public zentra::SettingsStore {
public:
    // ZENTRA_SETTINGS when it is set, else the user's Tavex/Zentra.ini.
    static QString defaultPath();

    explicit QtSettingsStore(const QString& path = defaultPath());
    ~QtSettingsStore() override;

    std::optional<std::string> value(std::string_view name) const override;
    void setValue(std::string_view name, std::string_view value) override;

    // Writes what was set to the file now (QSettings otherwise writes later).
    void flush();

    QString path() const { return path_; }
    // False when the file was there but could not be read: every value then
    // reads as missing.
    bool readable() const { return readable_; }
    bool writable() const { return writable_; }
    // Where the unreadable file was kept; empty when it was not copied.
    QString keptCopy() const { return keptCopy_; }
    // The note for status text 0 after an unreadable file; empty otherwise.
    QString startNote() const;

private:
    QString path_;
    std::unique_ptr<QSettings> settings_;
    bool readable_ = true;
    bool writable_ = true;
    QString keptCopy_;
};

// Whether these bytes can be settings: INI text (UTF-8, no NUL byte), each
// line that is not blank a comment, a [section] or a name=value line.
bool looksLikeIniText(const QByteArray& bytes);
