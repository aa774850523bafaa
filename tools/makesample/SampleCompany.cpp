// The sample company's data. Names, addresses and numbers are made up.
#include "tools/makesample/SampleCompany.h"

namespace qel::sample {
namespace {

const char* const kEquipment = "Furniture and equipment";
const char* const kRealty = "Buildings and land";
const char* const kVehicles = "Vehicles";
const char* const kIntangibles = "Intangible assets";

const char* const kOffice = "Main office";
const char* const kWarehouse = "Warehouse";
const char* const kRental = "Elm Court";

const char* const kFurniture = "Office furniture";
const char* const kComputers = "Computers and peripherals";
const char* const kCar = "Passenger automobile";
const char* const kSection197 = "Section 197 intangibles";

} // namespace

const std::vector<SampleAccount>& sampleAccounts() {
    static const std::vector<SampleAccount> accounts = {
        {kEquipment, "1500-00", "1505-00", "6100-00", "7900-00"},
        {kRealty, "1520-00", "1525-00", "6110-00", "7900-00"},
        {kVehicles, "1540-00", "1545-00", "6120-00", "7900-00"},
        {kIntangibles, "1560-00", "1565-00", "6130-00", "7900-00"},
    };
    return accounts;
}

const std::vector<SampleLocation>& sampleLocations() {
    static const std::vector<SampleLocation> locations = {
        {kOffice, "Main office, 210 Harbor Road"},
        {kWarehouse, "Warehouse, 35 Mill Lane"},
        {kRental, "Rental duplex, 14 Elm Court"},
    };
    return locations;
}

const std::vector<SampleClass>& sampleClasses() {
    static const std::vector<SampleClass> classes = {
        {"MACRS", kFurniture, "7", "N/A", "", kEquipment},
        {"MACRS", kComputers, "5", "N/A", "", kEquipment},
        {"Listed", kCar, "5", "Gas", "", kVehicles},
        {"Amortize", kSection197, "15", "N/A", "197", kIntangibles},
    };
    return classes;
}

const std::vector<SampleAsset>& sampleAssets() {
    static const std::vector<SampleAsset> assets = {
        {.description = "Office desks and chairs",
         .inService = "03/2019",
         .cost = "8400",
         .method = "MACRS",
         .className = kFurniture,
         .bookCost = "8400",
         .bookLife = "7",
         .account = kEquipment,
         .location = kOffice,
         .tag = "F-0101"},
        {.description = "Desktop computers (3)",
         .inService = "06/2019",
         .cost = "3300",
         .method = "MACRS",
         .className = kComputers,
         .sold = "09/2023",
         .soldAmt = "600",
         .bookCost = "3300",
         .bookLife = "5",
         .account = kEquipment,
         .location = kOffice,
         .tag = "C-0101",
         .notes = "Sold to an employee when replaced"},
        {.description = "Office building, 210 Harbor Road",
         .inService = "07/2020",
         .cost = "412000",
         .method = "MACRS",
         .life = "39",
         .bookCost = "412000",
         .bookLife = "39",
         .account = kRealty,
         .location = kOffice,
         .tag = "B-0001"},
        {.description = "Land, 210 Harbor Road",
         .inService = "07/2020",
         .cost = "95000",
         .method = "Non-Depr",
         .life = "0",
         .bookCost = "95000",
         .bookLife = "0",
         .account = kRealty,
         .location = kOffice,
         .tag = "L-0001"},
        {.description = "Laptop computers (4)",
         .inService = "02/2021",
         .cost = "5600",
         .method = "MACRS",
         .className = kComputers,
         .section179 = "3000",
         .bookCost = "5600",
         .bookLife = "5",
         .account = kEquipment,
         .location = kOffice,
         .tag = "C-0102"},
        {.description = "Parking lot paving",
         .inService = "08/2021",
         .cost = "18500",
         .method = "MACRS",
         .life = "15",
         .bookCost = "18500",
         .bookLife = "15",
         .account = kRealty,
         .location = kOffice,
         .tag = "B-0002"},
        {.description = "Rental duplex, 14 Elm Court",
         .inService = "04/2022",
         .cost = "238000",
         .method = "MACRS",
         .life = "27.5",
         .bookCost = "238000",
         .bookLife = "27.5",
         .account = kRealty,
         .location = kRental,
         .tag = "B-0003",
         .notes = "Building only; land recorded separately"},
        {.description = "Conference table",
         .inService = "09/2022",
         .cost = "2150",
         .method = "MACRS",
         .className = kFurniture,
         .bookCost = "2150",
         .bookLife = "7",
         .account = kEquipment,
         .location = kOffice,
         .tag = "F-0102"},
        {.description = "Warehouse shelving",
         .inService = "03/2023",
         .cost = "6900",
         .method = "MACRS",
         .life = "7",
         .bookCost = "6900",
         .bookLife = "7",
         .account = kEquipment,
         .location = kWarehouse,
         .tag = "F-0201"},
        {.description = "Passenger car",
         .inService = "05/2023",
         .cost = "36500",
         .method = "Listed",
         .className = kCar,
         .businessPercent = "75",
         .bookCost = "36500",
         .bookLife = "5",
         .account = kVehicles,
         .location = kOffice,
         .tag = "V-0001",
         .serial = "SN-4471-2093"},
        {.description = "Customer list purchase",
         .inService = "01/2024",
         .cost = "24000",
         .method = "Amortize",
         .className = kSection197,
         .bookCost = "24000",
         .bookLife = "15",
         .account = kIntangibles,
         .notes = "Bought with a closed bookkeeping practice"},
        {.description = "Copier and printer",
         .inService = "10/2024",
         .cost = "4750",
         .method = "MACRS",
         .className = kComputers,
         .bookCost = "4750",
         .bookLife = "5",
         .account = kEquipment,
         .location = kWarehouse,
         .tag = "C-0201"},
        {.description = "Server and network switch",
         .inService = "08/2025",
         .cost = "9800",
         .method = "MACRS",
         .className = kComputers,
         .bonus = Bonus::Percent100,
         .bookCost = "9800",
         .bookLife = "5",
         .account = kEquipment,
         .location = kOffice,
         .tag = "C-0103"},
    };
    return assets;
}

const std::string& sampleVehicle() {
    static const std::string car = "Passenger car";
    return car;
}

const std::vector<SampleVehicleUse>& sampleVehicleUse() {
    // Three quarters business use each year, as the asset's business percent says.
    static const std::vector<SampleVehicleUse> use = {
        {2023, "9000", "1800", "1200"},
        {2024, "10500", "2100", "1400"},
        {2025, "12000", "2400", "1600"},
    };
    return use;
}

} // namespace qel::sample
