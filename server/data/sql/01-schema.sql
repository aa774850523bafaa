-- The schema of the shipped database: every table, index and saved query. No code creates, alters
-- or drops a table at run time; work tables are emptied and refilled.
--
-- Names are written as the statements of the program write them: blanks and symbols in brackets,
-- one spelling per column (SQLite matches names without regard to case).
-- Declared types are the vocabulary the recordset layer reads a field's type from:
--   TEXT(n)     text of defined size n          MEMO TEXT  long text
--   INTEGER     whole numbers, ids, counts      REAL       money, fractions, lives
--   DATE        ISO text 'YYYY-MM-DD'; '1900-01-01' is "no date"
--   BOOLEAN     0 or 1 (any non-zero value reads as true)
-- Every text column compares and sorts without regard to case (COLLATE NOCASE), passwords included.
-- Defaults are those the writers rely on when an insert leaves a column out.
-- Keys of several columns are enforced, so a writer that would store a second row for the same
-- key fails instead of leaving two.
-- Text sizes follow the program's entry fields where it has them (a 35-character asset name box,
-- 25-character tag and serial numbers, 75 characters of notes); elsewhere they are chosen for the
-- data (50 for names and descriptions, 20 for account numbers and method captions).

-- ---- Assets and their depreciation ------------------------------------------------------------

-- One row per asset. Asset numbers come from one counter for all companies. The column order is
-- the order of the asset insert (Company_Id to fiscal_sold_date, then the book columns).
CREATE TABLE tblAssets (
    Asset_num INTEGER PRIMARY KEY AUTOINCREMENT,
    Company_Id INTEGER NOT NULL,
    Asset_name TEXT(50) COLLATE NOCASE,
    Cost REAL DEFAULT 0,
    [Allowance 30 %] REAL DEFAULT 0,          -- special depreciation allowance (bonus), dollars
    [179_deduction] REAL DEFAULT 0,           -- section 179 expense, dollars
    In_Service_date DATE,                     -- calendar in-service month, first day
    depr_method INTEGER,                      -- tblDeprMethods.ID
    life REAL DEFAULT 0,                      -- recovery period in years (27.5 and 31.5 occur)
    convention INTEGER,                       -- tblConvention.id
    other_deductions REAL DEFAULT 0,
    bussiness_percent REAL DEFAULT 1,         -- business-use fraction, 0 to 1
    sold_date DATE NOT NULL DEFAULT '1900-01-01',
    sold_amt REAL DEFAULT 0,
    notes TEXT(75) COLLATE NOCASE DEFAULT '',
    depr_class_id INTEGER DEFAULT 0,          -- tblDeprClass.ID; 0 when none
    life_id INTEGER DEFAULT 0,                -- position of the life in its method's life list
    amortize_code REAL DEFAULT 0,             -- code section of an amortized asset
    vehicle_num INTEGER DEFAULT 0,            -- 0 no vehicle; -1 imported vehicle still unnumbered
    actual_method TEXT(20) COLLATE NOCASE DEFAULT '',
    Type_179 BOOLEAN DEFAULT 0,
    fiscal_start_date DATE DEFAULT '1900-01-01',
    fiscal_end_date DATE DEFAULT '1900-01-01',
    fiscal_sold_date DATE NOT NULL DEFAULT '1900-01-01',
    Do_Depr_adj BOOLEAN DEFAULT 0,
    book_life REAL DEFAULT 0,                 -- 0 gives no monthly depreciation
    book_cost REAL DEFAULT 0,
    Id_acct INTEGER DEFAULT 0,                -- tblAccounts.Id_acct; 0 when none
    gain_loss REAL DEFAULT 0,
    DoImportDepr BOOLEAN NOT NULL DEFAULT 0,  -- imported, still waiting for its depreciation run
    depr_adj INTEGER NOT NULL DEFAULT 0,      -- monthly posting mark: 0 new, > 0 in a posting, -1 done
    -- The Federal bonus box the asset form saved, in tenths of the cost as tblBookMethods.BonusCboId
    -- counts them: 3, 5 or 10, 0 for none. Null for an asset no form has saved (an imported one),
    -- whose box is then the one whose allowance is exactly the stored one. An allowance lowered to
    -- a vehicle's first-year limit no longer tells its box, so the box is kept apart.
    Bonus_Choice INTEGER
);
CREATE INDEX idxAssetsCompany ON tblAssets (Company_Id, fiscal_start_date);
CREATE INDEX idxAssetsClass ON tblAssets (depr_class_id);
-- The monthly posting finds the assets waiting for their catch-up month by company.
CREATE INDEX idxAssetsCatchUp ON tblAssets (Company_Id, depr_adj);

-- The yearly depreciation rows of an asset in one book (1 Federal, 3 AMT, 4 State, 5 Other).
-- A row written without its book belongs to the Federal book.
CREATE TABLE tblDepr (
    client_num INTEGER NOT NULL,
    BookId INTEGER NOT NULL DEFAULT 1,
    asset_num INTEGER NOT NULL,
    [year] INTEGER NOT NULL,                  -- fiscal year
    depr REAL,
    accum_depr REAL,
    PRIMARY KEY (client_num, BookId, asset_num, [year])
);
CREATE INDEX idxDeprAsset ON tblDepr (asset_num, BookId, [year]);
CREATE INDEX idxDeprCompanyYear ON tblDepr (client_num, [year], BookId);

-- The financial book's depreciation by fiscal period "YYYYMM".
CREATE TABLE tblPeriodDepr (
    client_num INTEGER NOT NULL,
    asset_num INTEGER NOT NULL,
    period TEXT(6) COLLATE NOCASE NOT NULL,
    depr REAL,
    accum_depr REAL,
    id_acct INTEGER,
    PRIMARY KEY (client_num, asset_num, period)
);
CREATE INDEX idxPeriodDeprPeriod ON tblPeriodDepr (client_num, period);
CREATE INDEX idxPeriodDeprAsset ON tblPeriodDepr (asset_num, period);

-- An asset's settings in one alternative book (3 AMT, 4 State, 5 Other).
CREATE TABLE tblBookMethods (
    ClientId INTEGER NOT NULL,
    AssetId INTEGER NOT NULL,
    BookId INTEGER NOT NULL,
    DeprMethodId INTEGER,
    Life REAL,
    Cost REAL,
    BusinessPercent REAL,
    Section179 REAL,
    Allowance REAL,
    ConventionId INTEGER,
    Salvage REAL,
    Actual_Method TEXT(20) COLLATE NOCASE,
    CostBasis REAL,
    BonusCboId INTEGER,                       -- the bonus entry: tblBonusDepr.BonusPercent, 10 for 100 %
    PRIMARY KEY (ClientId, AssetId, BookId)
);
CREATE INDEX idxBookMethodsAsset ON tblBookMethods (AssetId, BookId);

-- An asset's tag, serial number, location and long description. Manufacturer is the source of the
-- saved query's field of that name; the program offers no entry for it, so it stays empty.
CREATE TABLE tblAssetDescription (
    [Asset ID] INTEGER PRIMARY KEY,           -- tblAssets.Asset_num
    [Tag Number] TEXT(25) COLLATE NOCASE,
    [Serial Number] TEXT(25) COLLATE NOCASE,
    Location_id INTEGER DEFAULT 0,            -- tblLocations.Location_ID
    [Long Description] MEMO TEXT COLLATE NOCASE,
    Manufacturer TEXT(50) COLLATE NOCASE
);
CREATE INDEX idxAssetDescriptionLocation ON tblAssetDescription (Location_id);

-- ---- Companies and program defaults -----------------------------------------------------------

CREATE TABLE tblCompany (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    [Company Name] TEXT(50) COLLATE NOCASE,
    Owner TEXT(50) COLLATE NOCASE,
    Address TEXT(50) COLLATE NOCASE,
    [Address 2] TEXT(50) COLLATE NOCASE,
    City TEXT(30) COLLATE NOCASE,
    State TEXT(20) COLLATE NOCASE,
    [Zip Code] TEXT(10) COLLATE NOCASE,
    [Tax Id] TEXT(20) COLLATE NOCASE,
    [Year End Month] INTEGER DEFAULT 12,      -- fiscal year-end month, 1 to 12
    [AMT Book] BOOLEAN DEFAULT 0,
    [State Book] BOOLEAN DEFAULT 0,
    [Other Book] BOOLEAN DEFAULT 0,
    firstperiod DATE NOT NULL DEFAULT '1900-01-01', -- first monthly period ever posted
    dtPeriod DATE NOT NULL DEFAULT '1900-01-01'     -- last posted monthly period
);

-- Exactly one row, read and written without a condition.
CREATE TABLE tblDefaults (
    DefaultYear INTEGER,                      -- the working year
    StartUp_Help BOOLEAN DEFAULT 1,           -- open "Getting Started" at start-up
    ShowCompany BOOLEAN DEFAULT 1             -- open the company picker at start-up
);

-- ---- Reference lists (shipped filled; nothing writes them) ------------------------------------

CREATE TABLE tblDeprMethods (
    ID INTEGER PRIMARY KEY,
    Method TEXT(20) COLLATE NOCASE
);

CREATE TABLE tblConvention (
    id INTEGER PRIMARY KEY,                   -- 1 half year, 2 mid-quarter, 3 mid-month, 4 none
    Description TEXT(20) COLLATE NOCASE,
    Abbreviation TEXT(5) COLLATE NOCASE
);

-- The lives each method offers. The asset form remembers a life by its position in its method's
-- list, which is read without a sort: rows keep the order they were stored in (rowid order).
CREATE TABLE tblLives (
    Type TEXT(20) COLLATE NOCASE,             -- method name, tblDeprMethods.Method
    Life REAL,
    Method TEXT(20) COLLATE NOCASE            -- method caption of that method and life
);

CREATE TABLE tblBooks (
    BookId INTEGER PRIMARY KEY,
    BookDescription TEXT(20) COLLATE NOCASE
);

CREATE TABLE tblBonusDepr (
    BonusDescription TEXT(20) COLLATE NOCASE,
    BonusPercent INTEGER                      -- tens of percent: 3 is 30 %
);

-- ---- MACRS rate tables ------------------------------------------------------------------------
-- One table per convention name and declining-balance rate ("150" for the 150 % tables), one column
-- per recovery period (the convention name and the life), one row per recovery year. The engine
-- reads a column's positive rates ordered by `year`, the recovery year from 1.

CREATE TABLE tblMacrsHalf (
    year INTEGER PRIMARY KEY,
    Half3 REAL NOT NULL DEFAULT 0,
    Half5 REAL NOT NULL DEFAULT 0,
    Half7 REAL NOT NULL DEFAULT 0,
    Half10 REAL NOT NULL DEFAULT 0,
    Half15 REAL NOT NULL DEFAULT 0,
    Half20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsMid1Qtr (
    year INTEGER PRIMARY KEY,
    Mid1Qtr3 REAL NOT NULL DEFAULT 0,
    Mid1Qtr5 REAL NOT NULL DEFAULT 0,
    Mid1Qtr7 REAL NOT NULL DEFAULT 0,
    Mid1Qtr10 REAL NOT NULL DEFAULT 0,
    Mid1Qtr15 REAL NOT NULL DEFAULT 0,
    Mid1Qtr20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsMid2Qtr (
    year INTEGER PRIMARY KEY,
    Mid2Qtr3 REAL NOT NULL DEFAULT 0,
    Mid2Qtr5 REAL NOT NULL DEFAULT 0,
    Mid2Qtr7 REAL NOT NULL DEFAULT 0,
    Mid2Qtr10 REAL NOT NULL DEFAULT 0,
    Mid2Qtr15 REAL NOT NULL DEFAULT 0,
    Mid2Qtr20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsMid3Qtr (
    year INTEGER PRIMARY KEY,
    Mid3Qtr3 REAL NOT NULL DEFAULT 0,
    Mid3Qtr5 REAL NOT NULL DEFAULT 0,
    Mid3Qtr7 REAL NOT NULL DEFAULT 0,
    Mid3Qtr10 REAL NOT NULL DEFAULT 0,
    Mid3Qtr15 REAL NOT NULL DEFAULT 0,
    Mid3Qtr20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsMid4Qtr (
    year INTEGER PRIMARY KEY,
    Mid4Qtr3 REAL NOT NULL DEFAULT 0,
    Mid4Qtr5 REAL NOT NULL DEFAULT 0,
    Mid4Qtr7 REAL NOT NULL DEFAULT 0,
    Mid4Qtr10 REAL NOT NULL DEFAULT 0,
    Mid4Qtr15 REAL NOT NULL DEFAULT 0,
    Mid4Qtr20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsMidMth (
    year INTEGER PRIMARY KEY,
    MidMth3 REAL NOT NULL DEFAULT 0,
    MidMth5 REAL NOT NULL DEFAULT 0,
    MidMth7 REAL NOT NULL DEFAULT 0,
    MidMth10 REAL NOT NULL DEFAULT 0,
    MidMth15 REAL NOT NULL DEFAULT 0,
    MidMth20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsNone (
    year INTEGER PRIMARY KEY,
    None3 REAL NOT NULL DEFAULT 0,
    None5 REAL NOT NULL DEFAULT 0,
    None7 REAL NOT NULL DEFAULT 0,
    None10 REAL NOT NULL DEFAULT 0,
    None15 REAL NOT NULL DEFAULT 0,
    None20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsHalf150 (
    year INTEGER PRIMARY KEY,
    Half3 REAL NOT NULL DEFAULT 0,
    Half5 REAL NOT NULL DEFAULT 0,
    Half7 REAL NOT NULL DEFAULT 0,
    Half10 REAL NOT NULL DEFAULT 0,
    Half15 REAL NOT NULL DEFAULT 0,
    Half20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsMid1Qtr150 (
    year INTEGER PRIMARY KEY,
    Mid1Qtr3 REAL NOT NULL DEFAULT 0,
    Mid1Qtr5 REAL NOT NULL DEFAULT 0,
    Mid1Qtr7 REAL NOT NULL DEFAULT 0,
    Mid1Qtr10 REAL NOT NULL DEFAULT 0,
    Mid1Qtr15 REAL NOT NULL DEFAULT 0,
    Mid1Qtr20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsMid2Qtr150 (
    year INTEGER PRIMARY KEY,
    Mid2Qtr3 REAL NOT NULL DEFAULT 0,
    Mid2Qtr5 REAL NOT NULL DEFAULT 0,
    Mid2Qtr7 REAL NOT NULL DEFAULT 0,
    Mid2Qtr10 REAL NOT NULL DEFAULT 0,
    Mid2Qtr15 REAL NOT NULL DEFAULT 0,
    Mid2Qtr20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsMid3Qtr150 (
    year INTEGER PRIMARY KEY,
    Mid3Qtr3 REAL NOT NULL DEFAULT 0,
    Mid3Qtr5 REAL NOT NULL DEFAULT 0,
    Mid3Qtr7 REAL NOT NULL DEFAULT 0,
    Mid3Qtr10 REAL NOT NULL DEFAULT 0,
    Mid3Qtr15 REAL NOT NULL DEFAULT 0,
    Mid3Qtr20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsMid4Qtr150 (
    year INTEGER PRIMARY KEY,
    Mid4Qtr3 REAL NOT NULL DEFAULT 0,
    Mid4Qtr5 REAL NOT NULL DEFAULT 0,
    Mid4Qtr7 REAL NOT NULL DEFAULT 0,
    Mid4Qtr10 REAL NOT NULL DEFAULT 0,
    Mid4Qtr15 REAL NOT NULL DEFAULT 0,
    Mid4Qtr20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsMidMth150 (
    year INTEGER PRIMARY KEY,
    MidMth3 REAL NOT NULL DEFAULT 0,
    MidMth5 REAL NOT NULL DEFAULT 0,
    MidMth7 REAL NOT NULL DEFAULT 0,
    MidMth10 REAL NOT NULL DEFAULT 0,
    MidMth15 REAL NOT NULL DEFAULT 0,
    MidMth20 REAL NOT NULL DEFAULT 0
);
CREATE TABLE tblMacrsNone150 (
    year INTEGER PRIMARY KEY,
    None3 REAL NOT NULL DEFAULT 0,
    None5 REAL NOT NULL DEFAULT 0,
    None7 REAL NOT NULL DEFAULT 0,
    None10 REAL NOT NULL DEFAULT 0,
    None15 REAL NOT NULL DEFAULT 0,
    None20 REAL NOT NULL DEFAULT 0
);

-- ---- Yearly limits (kept in the maintenance window) -------------------------------------------

-- Section 179 limits; one row per tax year.
CREATE TABLE tblMax179 (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    [Year] INTEGER NOT NULL,
    [Maximum Amount] REAL,
    [Threshold Cost] REAL
);
CREATE UNIQUE INDEX idxMax179Year ON tblMax179 ([Year]);

-- Depreciation caps of passenger vehicles; one row per year placed in service and vehicle type
-- ("Gas", "Electric", "Truck/Van"). A first-year cap with bonus of 0 means that bonus gives no cap.
CREATE TABLE tblMaxAuto (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    [Year] INTEGER NOT NULL,
    Type TEXT(10) COLLATE NOCASE NOT NULL,
    [Yr 1 + 30%] REAL DEFAULT 0,              -- first-year cap with the 30 % bonus
    [Yr 1 + 50%] REAL DEFAULT 0,              -- first-year cap with the 50 % or 100 % bonus
    [Max Year 1] REAL DEFAULT 0,
    [Max Year 2] REAL DEFAULT 0,
    [Max Year 3] REAL DEFAULT 0,
    [Max Year 4] REAL DEFAULT 0               -- fourth and every later year
);
CREATE UNIQUE INDEX idxMaxAutoYearType ON tblMaxAuto ([Year], Type);

-- ---- Form 4562 data per company and year ------------------------------------------------------

-- The four answers hold the texts 'Yes' or 'No' (empty until answered); the amounts are 0 until
-- entered, so a row that only carries a section 179 carryover still gives numbers.
CREATE TABLE tblMisc4562Data (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Company_Id INTEGER NOT NULL,
    [Year] INTEGER NOT NULL,
    [179 Carryover] REAL DEFAULT 0,
    [179 Income Limit] REAL DEFAULT 0,
    [Listed Claim] TEXT(3) COLLATE NOCASE,
    [Listed Evidence] TEXT(3) COLLATE NOCASE,
    [Group Assets] TEXT(3) COLLATE NOCASE,
    [168 Property] REAL DEFAULT 0,
    [Other Depr] REAL DEFAULT 0,
    [263A Cost] REAL DEFAULT 0,
    [Exclude 179] TEXT(3) COLLATE NOCASE
);
CREATE UNIQUE INDEX idxMisc4562CompanyYear ON tblMisc4562Data (Company_Id, [Year]);

-- ---- Maintained lists -------------------------------------------------------------------------

-- General-ledger accounts, one chart for all companies. Account numbers are texts ("1500-00").
CREATE TABLE tblAccounts (
    Id_acct INTEGER PRIMARY KEY AUTOINCREMENT,
    [Account Descr] TEXT(50) COLLATE NOCASE,
    [Capital Account] TEXT(20) COLLATE NOCASE,
    [Accum Acct] TEXT(20) COLLATE NOCASE,
    [Depr Account] TEXT(20) COLLATE NOCASE,
    [Gain Loss Acct] TEXT(20) COLLATE NOCASE
);

-- The users of the logon; user ids are unique without regard to case.
CREATE TABLE tblPasswords (
    PwdID INTEGER PRIMARY KEY AUTOINCREMENT,
    UserId TEXT(50) COLLATE NOCASE NOT NULL,
    [Password] TEXT(50) COLLATE NOCASE,
    UserLevel TEXT(10) COLLATE NOCASE         -- "Admin" or "User"
);
CREATE UNIQUE INDEX idxPasswordsUser ON tblPasswords (UserId);

CREATE TABLE tblLocations (
    Location_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    [Short Location] TEXT(25) COLLATE NOCASE,
    [Long Location] TEXT(50) COLLATE NOCASE
);

-- Asset classes. Life, vehicle type and amortization code are texts: the class list joins them into
-- one text that the asset form reads back.
CREATE TABLE tblDeprClass (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Method_ID INTEGER,                        -- tblDeprMethods.ID
    Description TEXT(50) COLLATE NOCASE,
    [Life] TEXT(10) COLLATE NOCASE,
    [If Auto - Type] TEXT(10) COLLATE NOCASE, -- "N/A", "Gas", "Electric" or "Truck/Van"
    [Amortize #] TEXT(10) COLLATE NOCASE,
    ID_acct INTEGER                           -- tblAccounts.Id_acct
);

-- ---- Vehicles ---------------------------------------------------------------------------------

-- A vehicle's use in one tax year. The mileages arrive as quoted texts of digits and are kept as
-- whole numbers.
CREATE TABLE tblAutoUse (
    Company_Id INTEGER NOT NULL,
    [year] INTEGER NOT NULL,
    [Vehicle #] INTEGER NOT NULL,             -- tblAssets.vehicle_num
    [Business Miles] INTEGER,
    [Commuting Miles] INTEGER,
    [Personal Miles] INTEGER,
    [Available Personal Use off Hours] BOOLEAN DEFAULT 0,
    [Driver 5 percent Owner] BOOLEAN DEFAULT 0,
    [Another Car Available] BOOLEAN DEFAULT 0,
    bpercent REAL DEFAULT 0,                  -- business / all miles, 2 places
    asset_id INTEGER,                         -- tblAssets.Asset_num
    PRIMARY KEY (Company_Id, [year], [Vehicle #])
);
CREATE INDEX idxAutoUseAsset ON tblAutoUse (Company_Id, [year], asset_id);

-- The employer's answers on vehicles for a tax year.
CREATE TABLE tblAutoQuestions (
    Company_Id INTEGER NOT NULL,
    [year] INTEGER NOT NULL,
    [No Personal Use] BOOLEAN DEFAULT 0,
    [Commuting Allowed] BOOLEAN DEFAULT 0,
    [All Personal Use] BOOLEAN DEFAULT 0,
    [More 5 Cars & keep Track] BOOLEAN DEFAULT 0,
    [Meet Requirements] BOOLEAN DEFAULT 0,
    PRIMARY KEY (Company_Id, [year])
);

-- ---- Work tables (one operation empties, refills and reads each; "Select *" returns the columns
-- in the order below) ----------------------------------------------------------------------------

-- The "Auto Use" report: the report window shows the columns by position (description, vehicle
-- order, the hidden company, the three mileages, the three answers, then the hidden business
-- fraction and use-entered mark).
CREATE TABLE tblAutoUseReport (
    Description TEXT(50) COLLATE NOCASE,
    [Vehicle #] INTEGER,
    Company_Id INTEGER,
    [Business Miles] INTEGER,
    [Commuting Miles] INTEGER,
    [Personal Miles] INTEGER,
    [Available Personal] BOOLEAN,
    [5 % Owner] BOOLEAN,
    [Another Car] BOOLEAN,
    Business_Percent REAL,                    -- the asset's own business fraction
    Display_Data BOOLEAN DEFAULT 0            -- set on the vehicles whose use was entered
);

-- The book asset ledger of one company and period, read back in the order it was filled.
CREATE TABLE tblBookLedger (
    Account TEXT(50) COLLATE NOCASE,          -- the account's description
    [Capital Account] TEXT(20) COLLATE NOCASE,
    Description TEXT(50) COLLATE NOCASE,      -- the asset's name
    [Asset #] INTEGER,
    [In Service] DATE,
    Life REAL,                                -- book life
    Cost REAL,                                -- book cost
    [Accum Depr] REAL,
    NBV REAL                                  -- net book value
);

-- The last straight-line schedule computed for the financial book: one row per year.
CREATE TABLE txtMisc (
    txtfield1 TEXT(10) COLLATE NOCASE,        -- the year, as text
    numField1 REAL,                           -- the year's depreciation
    numField2 REAL                            -- the accumulated depreciation
);

-- ---- Saved query ------------------------------------------------------------------------------

-- The asset descriptions with their location's short name, read like a table and joined to the
-- assets on [Asset ID] = Asset_num. A description without a location row still comes back.
CREATE VIEW qryAssetDescriptions AS
SELECT tblAssetDescription.[Asset ID] AS [Asset ID],
       tblAssetDescription.[Tag Number] AS [Tag Number],
       tblAssetDescription.[Serial Number] AS [Serial Number],
       tblAssetDescription.Manufacturer AS Manufacturer,
       tblAssetDescription.[Long Description] AS [Long Description],
       tblLocations.[Short Location] AS [Short Location],
       tblAssetDescription.Location_id AS Location_Id
FROM tblAssetDescription
LEFT JOIN tblLocations ON tblLocations.Location_ID = tblAssetDescription.Location_id;
