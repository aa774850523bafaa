// A fake of every subsystem's services at once, recording each call as text, for the tests of
// the menus and of what the shell asks of the subsystems.
#pragma once

#include "app/shell/AssetEntryServices.h"
#include "app/shell/DataExchangeServices.h"
#include "app/shell/MaintenanceServices.h"
#include "app/shell/MonthlyDeprServices.h"
#include "app/shell/PrintingServices.h"
#include "app/shell/ProgramServices.h"
#include "app/shell/ReportServices.h"
#include "app/shell/Subsystems.h"
#include "app/shell/VehicleServices.h"

#include <QStringList>

namespace qel::test {

class FakeSubsystems : public AssetEntryServices,
                       public MonthlyDeprServices,
                       public MaintenanceServices,
                       public ReportServices,
                       public DataExchangeServices,
                       public PrintingServices,
                       public ProgramServices,
                       public VehicleServices {
public:
    QStringList log;
    bool filesCopied = true;
    bool assetUnloads = true;
    bool deleted = true;
    QString logPath;

    // Registers every service, with the handlers of the menu items that reach it.
    void registerAll() {
        registerServices(static_cast<AssetEntryServices&>(*this));
        registerServices(static_cast<MonthlyDeprServices&>(*this));
        registerServices(static_cast<MaintenanceServices&>(*this));
        registerServices(static_cast<ReportServices&>(*this));
        registerServices(static_cast<DataExchangeServices&>(*this));
        registerServices(static_cast<PrintingServices&>(*this));
        registerServices(static_cast<ProgramServices&>(*this));
        registerServices(static_cast<VehicleServices&>(*this));
    }

    void showAsset() override { log << "showAsset"; }
    bool unloadAsset() override {
        log << "unloadAsset";
        return assetUnloads;
    }
    void DoMonthlyDepr() override { log << "DoMonthlyDepr"; }
    void DisplayNextPeriod() override { log << "DisplayNextPeriod"; }
    bool DeleteDepreciation() override {
        log << "DeleteDepreciation";
        return deleted;
    }
    void showBookDeprRange() override { log << "showBookDeprRange"; }
    void deleteLastPeriod() override { log << "deleteLastPeriod"; }
    void DisplayInterface(const QString& key) override { log << "DisplayInterface(" + key + ")"; }
    void showMaint() override { log << "showMaint"; }
    void GetReport(const QString& name, const QString& year, std::int16_t book) override {
        log << QStringLiteral("GetReport(%1,%2,%3)").arg(name, year).arg(book);
    }
    void DoReports(const QString& name, std::int32_t value, const QString& description,
                   std::int16_t& book) override {
        log << QStringLiteral("DoReports(%1,%2,%3,%4)").arg(name).arg(value).arg(description).arg(book);
    }
    void showSchedule(Schedule schedule, std::int32_t asset, const QString& description,
                      std::int16_t book) override {
        log << QStringLiteral("showSchedule(%1,%2,%3,%4)")
                   .arg(schedule == Schedule::Tax ? QStringLiteral("Tax") : QStringLiteral("Book"))
                   .arg(asset)
                   .arg(description)
                   .arg(book);
    }
    void TileHorizontal() override { log << "TileHorizontal"; }
    void CloseAllReports() override { log << "CloseAllReports"; }
    bool RetrieveFilesCopied() override {
        log << "RetrieveFilesCopied";
        return filesCopied;
    }
    bool MovePdfFiles() override {
        log << "MovePdfFiles";
        return true;
    }
    void showTaxReports() override { log << "showTaxReports"; }
    void showLocation() override { log << "showLocation"; }
    void GetExport(const QString& name, const std::optional<Variant>& flag) override {
        log << QStringLiteral("GetExport(%1,%2)")
                   .arg(name, flag ? QString::fromStdString(flag->toString()) : "-");
    }
    void DoImports() override { log << "DoImports"; }
    QString GetLogPath() override {
        log << "GetLogPath";
        return logPath;
    }
    void showRichText(const QString& path, const QString& caption) override {
        log << "showRichText(" + path + "," + caption + ")";
    }
    void PrintListView(const ShownList&, const QString& title) override {
        log << "PrintListView(" + title + ")";
    }
    void PrintAssetDetail(const AssetDetailPage& asset) override {
        log << "PrintAssetDetail(" + QString::fromStdString(asset.assetId) + ")";
    }
    void ShowAssetLedger(std::int32_t locationId) override {
        log << QStringLiteral("ShowAssetLedger(%1)").arg(locationId);
    }
    void BackupDatabase() override { log << "BackupDatabase"; }
    void RestoreDatabase() override { log << "RestoreDatabase"; }
    void SetDatabasePath() override { log << "SetDatabasePath"; }
    void showAbout() override { log << "showAbout"; }
    void showGettingStarted() override { log << "showGettingStarted"; }
    void showBugReport() override { log << "showBugReport"; }
    void EmailSupport() override { log << "EmailSupport"; }
    void CHMFile(const QString& path) override { log << "CHMFile(" + path + ")"; }
    void HHDisplayContents() override { log << "HHDisplayContents"; }
    void HHDisplayIndex() override { log << "HHDisplayIndex"; }
    void HHClose() override { log << "HHClose"; }
    bool VehicleDocsOk(std::int16_t year, std::int16_t vehicle) override {
        log << QStringLiteral("VehicleDocsOk(%1,%2)").arg(year).arg(vehicle);
        return true;
    }
    bool VehicleUseOk(std::int16_t year) override {
        log << QStringLiteral("VehicleUseOk(%1)").arg(year);
        return true;
    }
    bool DoAutoUseForm(std::int16_t year, std::int16_t vehicle) override {
        log << QStringLiteral("DoAutoUseForm(%1,%2)").arg(year).arg(vehicle);
        return true;
    }
    bool DoAutoQstForm(std::int16_t year) override {
        log << QStringLiteral("DoAutoQstForm(%1)").arg(year);
        return false;
    }
};

} // namespace qel::test
