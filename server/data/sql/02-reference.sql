-- The shipped reference rows: methods, conventions, lives, books, bonus choices, the program
-- defaults and the first user. The rate tables and the yearly limits have files of their own.

-- Depreciation methods. The ids 1, 2, 3, 9 and 11 are fixed (the asset-class list and the asset
-- import use them); "S/L" takes 4 and "Non-Depr" 10, which no rule tests by number.
INSERT INTO tblDeprMethods (ID, Method) VALUES
    (1, 'MACRS'),
    (2, 'ADS'),
    (3, 'Amortize'),
    (4, 'S/L'),
    (9, 'Listed'),
    (10, 'Non-Depr'),
    (11, 'MACRS 150');

-- Conventions. Sorted by description they list as Half Year, Mid Month, Mid Qtr, None, the
-- positions the asset form relies on. The abbreviations are the ones Form 4562 prints (HY, MQ, MM);
-- no convention prints nothing.
INSERT INTO tblConvention (id, Description, Abbreviation) VALUES
    (1, 'Half Year', 'HY'),
    (2, 'Mid Qtr', 'MQ'),
    (3, 'Mid Month', 'MM'),
    (4, 'None', '');

-- Lives offered per method, in list order (the asset form stores a life as its position in its
-- method's list, so rows are only ever appended). The caption is what the asset form shows for
-- that method and life.
--  MACRS: the recovery periods the asset form accepts (27.5, 31.5 and 39 are real property, 50 is
--         depreciated as ADS); "200 DB" to 10 years, "150 DB" for 15 and 20, "S/L" above.
--  MACRS 150: the lives that have 150 % rate tables.
--  ADS: the common ADS recovery periods, whole years (the ADS run takes whole years), 50 included.
--  Listed: 5 years, the only life an asset class of listed property may have.
--  Amortize: the amortization periods an asset class of that method may have.
--  "S/L" and "Non-Depr" have no list: their life is typed.
INSERT INTO tblLives (Type, Life, Method) VALUES
    ('MACRS', 3, '200 DB'),
    ('MACRS', 5, '200 DB'),
    ('MACRS', 7, '200 DB'),
    ('MACRS', 10, '200 DB'),
    ('MACRS', 15, '150 DB'),
    ('MACRS', 20, '150 DB'),
    ('MACRS', 27.5, 'S/L'),
    ('MACRS', 31.5, 'S/L'),
    ('MACRS', 39, 'S/L'),
    ('MACRS', 50, 'S/L'),
    ('MACRS 150', 3, '150 DB'),
    ('MACRS 150', 5, '150 DB'),
    ('MACRS 150', 7, '150 DB'),
    ('MACRS 150', 10, '150 DB'),
    ('MACRS 150', 15, '150 DB'),
    ('MACRS 150', 20, '150 DB'),
    ('ADS', 3, 'S/L'),
    ('ADS', 4, 'S/L'),
    ('ADS', 5, 'S/L'),
    ('ADS', 6, 'S/L'),
    ('ADS', 7, 'S/L'),
    ('ADS', 8, 'S/L'),
    ('ADS', 9, 'S/L'),
    ('ADS', 10, 'S/L'),
    ('ADS', 12, 'S/L'),
    ('ADS', 15, 'S/L'),
    ('ADS', 20, 'S/L'),
    ('ADS', 25, 'S/L'),
    ('ADS', 30, 'S/L'),
    ('ADS', 35, 'S/L'),
    ('ADS', 40, 'S/L'),
    ('ADS', 50, 'S/L'),
    ('Listed', 5, '200 DB'),
    ('Amortize', 3, 'Amortize'),
    ('Amortize', 5, 'Amortize'),
    ('Amortize', 7, 'Amortize'),
    ('Amortize', 10, 'Amortize'),
    ('Amortize', 15, 'Amortize'),
    ('Amortize', 20, 'Amortize');

-- Books. The financial book "Book" carries no yearly rows; it takes the free id 2.
INSERT INTO tblBooks (BookId, BookDescription) VALUES
    (1, 'Federal'),
    (2, 'Book'),
    (3, 'AMT'),
    (4, 'State'),
    (5, 'Other');

-- Bonus choices of the alternative books. Sorted by description the 30 % choice comes first and
-- the 50 % choice second (the Copy button relies on it), then "None", which lets a user take a
-- chosen bonus back; the program appends "100 Percent" (10) itself.
INSERT INTO tblBonusDepr (BonusDescription, BonusPercent) VALUES
    ('30 Percent', 3),
    ('50 Percent', 5),
    ('None', 0);

-- Program defaults: the working year, and a new user sees "Getting Started" and the company picker.
INSERT INTO tblDefaults (DefaultYear, StartUp_Help, ShowCompany) VALUES (2025, 1, 1);

-- One ordinary administrator, listed and kept in the user maintenance like every other user.
-- Change the password after the first logon.
INSERT INTO tblPasswords (UserId, [Password], UserLevel) VALUES ('Admin', 'Admin', 'Admin');
