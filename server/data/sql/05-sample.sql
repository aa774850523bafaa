-- The sample company a new user starts with: id 1 and the name "Sample Company", which the
-- program takes as its last company until the user picks another. It has no assets, a calendar
-- fiscal year, no alternative book and nothing posted.
INSERT INTO tblCompany (id, [Company Name], Owner, Address, [Address 2], City, State, [Zip Code], [Tax Id],
                        [Year End Month], [AMT Book], [State Book], [Other Book]) VALUES
    (1, 'Sample Company', 'Sample Owner', '100 Main Street', '', 'Springfield', 'IL', '62701', '00-0000000',
     12, 0, 0, 0);
