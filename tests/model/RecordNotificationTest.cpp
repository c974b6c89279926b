#include "model/CatalogStore.h"
#include "support/TemporaryCatalogue.h"

#include <QMetaProperty>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A value of the property's type that differs from current; invalid for relationship properties.
QVariant differentValue(const QMetaProperty& property, const QVariant& current)
{
    const QMetaType type = property.metaType();
    if (type == QMetaType::fromType<QString>())
        return current.toString() + QStringLiteral("x");
    if (type == QMetaType::fromType<bool>())
        return !current.toBool();
    if (type == QMetaType::fromType<qint64>())
        return current.toLongLong() + 1;
    if (type == QMetaType::fromType<float>())
        return current.toFloat() + 0.5f;
    if (type == QMetaType::fromType<QByteArray>())
        return current.toByteArray() + QByteArray("\0x", 2);
    if (type == QMetaType::fromType<QDateTime>()) {
        const QDateTime date = current.toDateTime();
        return date.isValid() ? date.addMSecs(1) : QDateTime::fromMSecsSinceEpoch(1'700'000'000'123);
    }
    if (type == QMetaType::fromType<PluginFormat>())
        return QVariant::fromValue(current.value<PluginFormat>() == PluginFormat::clap ? PluginFormat::au
                                                                                       : PluginFormat::clap);
    if (type == QMetaType::fromType<PluginPlatform>())
        return QVariant::fromValue(current.value<PluginPlatform>() == PluginPlatform::windows ? PluginPlatform::macOS
                                                                                             : PluginPlatform::windows);
    if (type == QMetaType::fromType<PluginArchitecture>())
        return QVariant::fromValue(current.value<PluginArchitecture>() == PluginArchitecture::arm64
                                       ? PluginArchitecture::x86_64
                                       : PluginArchitecture::arm64);
    if (type == QMetaType::fromType<InstallStatus>())
        return QVariant::fromValue(current.value<InstallStatus>() == InstallStatus::found ? InstallStatus::notFound
                                                                                          : InstallStatus::found);
    if (type == QMetaType::fromType<ContentLibraryStatus>())
        return QVariant::fromValue(current.value<ContentLibraryStatus>() == ContentLibraryStatus::found
                                       ? ContentLibraryStatus::notFound
                                       : ContentLibraryStatus::found);
    return {};
}

struct RecordType {
    const char* name;
    std::function<CatalogObject*()> make;
    int fieldCount;
};

using RecordNotificationTest = TemporaryCatalogue;

// Every stored field: a different value notifies once and marks the object for saving; the same
// value again notifies nobody and leaves nothing to save.
TEST_F(RecordNotificationTest, DifferentValueNotifiesEqualValueDoesNot)
{
    const RecordType types[] = {{"PluginRecord", [] { return new PluginRecord(QStringLiteral("Echo"), {}); }, 7},
                                {"PluginInstall", [] { return new PluginInstall(QStringLiteral("/a.vst3")); }, 15},
                                {"PluginParameter", [] { return new PluginParameter; }, 6},
                                {"Tag", [] { return new Tag(QStringLiteral("Drums")); }, 1},
                                {"ScanBookmark", [] { return new ScanBookmark(QStringLiteral("/p")); }, 2},
                                {"ContentLibraryFolder", [] { return new ContentLibraryFolder; }, 7},
                                {"ContentLibraryItem", [] { return new ContentLibraryItem; }, 7}};
    for (const RecordType& type : types) {
        SCOPED_TRACE(type.name);
        CatalogObject* object = m_store->insert(type.make());
        ASSERT_TRUE(m_store->save());

        const QMetaObject* meta = object->metaObject();
        int fields = 0;
        for (int i = CatalogObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.isWritable())
                continue;
            const QVariant original = property.read(object);
            const QVariant changed = differentValue(property, original);
            if (!changed.isValid())
                continue; // relationships, tested on their own
            ++fields;
            SCOPED_TRACE(property.name());
            ASSERT_TRUE(property.hasNotifySignal());
            QSignalSpy counter(object, property.notifySignal());

            ASSERT_TRUE(property.write(object, changed));
            EXPECT_EQ(counter.count(), 1);
            EXPECT_EQ(property.read(object), changed);
            EXPECT_TRUE(m_store->hasChanges());
            ASSERT_TRUE(m_store->save());

            ASSERT_TRUE(property.write(object, changed));
            EXPECT_EQ(counter.count(), 1);
            EXPECT_FALSE(m_store->hasChanges());

            ASSERT_TRUE(property.write(object, original));
            EXPECT_EQ(counter.count(), 2);
            ASSERT_TRUE(m_store->save());
        }
        EXPECT_EQ(fields, type.fieldCount);
    }
}

TEST(RecordNotification, SameInstantInAnotherTimeSpecAndEmptyForNullTextAreNoChange)
{
    PluginInstall install;
    const QDateTime utc = QDateTime::fromMSecsSinceEpoch(1'600'000'000'000, Qt::UTC);
    install.setDateModified(utc);
    QSignalSpy dated(&install, &PluginInstall::dateModifiedChanged);
    install.setDateModified(utc.toLocalTime());
    PluginRecord record;
    QSignalSpy noted(&record, &PluginRecord::notesChanged);
    record.setNotes(QStringLiteral(""));
    EXPECT_EQ(dated.count(), 0);
    EXPECT_EQ(noted.count(), 0);
}

TEST(RecordNotification, InstallFieldsThatFeedDerivedValuesNotifyTheRecord)
{
    PluginRecord record;
    PluginInstall install;
    install.setGroup(&record);
    QSignalSpy derived(&record, &PluginRecord::derivedValuesChanged);
    install.setStatus(InstallStatus::notFound);
    install.setFileSize(10);
    install.setFormat(PluginFormat::vst);
    install.setDateModified(QDateTime::fromMSecsSinceEpoch(0));
    install.setInstallDate(QDateTime::fromMSecsSinceEpoch(0));
    EXPECT_EQ(derived.count(), 5);
    install.setVersion(QStringLiteral("2.0"));
    install.setStatus(InstallStatus::notFound);
    EXPECT_EQ(derived.count(), 5);
    install.setGroup(nullptr);
}

} // namespace
