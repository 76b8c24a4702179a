#pragma once

#include <QMetaObject>
#include <QObject>
#include <QQmlListProperty>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/app/ProfileController.h"

class ApplicationController;
class ApplicationManager;
class DeviceDescriptor;

// One entry of the product bar: a connected controller or a model's configuration
// placeholder, with the profiles of its model and the one bound to the device.
class DeviceController : public QObject {
    Q_OBJECT
    Q_PROPERTY(int productType READ productType NOTIFY productTypeChanged)
    Q_PROPERTY(int modelType READ modelType NOTIFY modelTypeChanged)
    Q_PROPERTY(int countRealDevicesConnected READ countRealDevicesConnected NOTIFY
                   realProductDescriptorsUpdated)
    Q_PROPERTY(int batteryLevel READ batteryLevel NOTIFY generalInfoUpdated)
    Q_PROPERTY(bool isConfiguration READ isConfiguration NOTIFY realProductDescriptorsUpdated)
    Q_PROPERTY(QString serial READ serial NOTIFY realProductDescriptorsUpdated)
    Q_PROPERTY(QQmlListProperty<ProfileController> availableProfiles READ availableProfiles NOTIFY
                   availableProfilesUpdated)
    Q_PROPERTY(QStringList profilesNames READ profilesNames NOTIFY availableProfilesUpdated)
    Q_PROPERTY(QStringList profilesNamesWithoutSelected READ profilesNamesWithoutSelected NOTIFY
                   selectedProfileControllerChanged)
    Q_PROPERTY(ProfileController* selectedProfileController READ selectedProfileController NOTIFY
                   selectedProfileControllerChanged)
    Q_PROPERTY(
        QString selectedProfileKey READ selectedProfileKey NOTIFY selectedProfileControllerChanged)

public:
    using Descriptors = std::vector<std::shared_ptr<DeviceDescriptor>>;

    enum DeviceModelType {
        None = 0,
        MultimediaMax = 1,
        MultimediaLite = 2,
        Count = 3,
    };
    Q_ENUM(DeviceModelType)

    // Where a model's entries go in the product bar; a model without a rank goes last.
    static int modelSortRank(uint32_t deviceModel);

    // On the application manager's store and agent link.
    explicit DeviceController(QObject* parent = nullptr);
    explicit DeviceController(ApplicationManager& manager, QObject* parent = nullptr);

    int productType() const;
    int modelType() const;
    int countRealDevicesConnected() const { return static_cast<int>(realDevices_.size()); }
    int batteryLevel() const;
    bool isConfiguration() const;
    QString serial() const;
    QQmlListProperty<ProfileController> availableProfiles();
    QStringList profilesNames() const { return profilesNames_; }
    QStringList profilesNamesWithoutSelected() const;
    ProfileController* selectedProfileController() const;
    QString selectedProfileKey() const;

    Q_INVOKABLE bool isValid() const;
    Q_INVOKABLE void setCurrentProgramContext(const QString& programContext);

    // For the application controller.
    std::shared_ptr<DeviceDescriptor> descriptor() const { return descriptor_; }
    void setDescriptor(std::shared_ptr<DeviceDescriptor> descriptor);
    void setOwner(ApplicationController* owner);
    void updateRealDevices(const Descriptors& devices);
    void addProfile(const QString& name);
    void setActiveProfile(const QString& key);
    void selectProfile(const QString& key, bool emitChange);
    // The profile the device is bound to, else the model's default one.
    void selectBoundProfile();
    // The identifier the device is bound to its profile under.
    std::string deviceId() const;
    // The real device's identifier as the agent reports it; "" without one.
    std::string realDeviceId() const;
    // The four-letter code of the shown model; "" without one.
    std::string modelCode() const;
    int sortKey() const;

signals:
    void modelTypeChanged();
    void productTypeChanged();
    void generalInfoUpdated();
    void realProductDescriptorsUpdated();
    void availableProfilesUpdated();
    void selectedProfileControllerChanged();

private:
    static qsizetype profileCount(QQmlListProperty<ProfileController>* list);
    static ProfileController* profileAt(QQmlListProperty<ProfileController>* list, qsizetype index);

    void rebuildProfiles();
    void rebuildSelectedButtons();

    ApplicationManager& manager_;
    QString programContext_;
    std::shared_ptr<DeviceDescriptor> descriptor_;
    std::shared_ptr<DeviceDescriptor> realDevice_;
    Descriptors realDevices_;
    QMetaObject::Connection realDeviceConnection_;
    std::shared_ptr<ProfileController> selectedProfile_;
    std::vector<std::shared_ptr<ProfileController>> profiles_;
    QStringList profilesNames_;
    ApplicationController* owner_ = nullptr;
};
