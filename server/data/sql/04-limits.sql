-- The yearly section 179 limits and the vehicle depreciation caps, as the IRS publishes them
-- (section 179 dollar limits and phase-out thresholds; the section 280F caps of the yearly revenue
-- procedures). Users keep them current in the maintenance window; a year without a row makes the
-- program ask for one. Rows marked "single source" were confirmed by one source only and are the
-- first to check when a figure is questioned.

-- Section 179: the dollar limit and the investment threshold by tax year.
INSERT INTO tblMax179 ([Year], [Maximum Amount], [Threshold Cost]) VALUES
    (1997, 18000, 200000),
    (1998, 18500, 200000),
    (1999, 19000, 200000),
    (2000, 20000, 200000),
    (2001, 24000, 200000),
    (2002, 24000, 200000),
    (2003, 100000, 400000),   -- single source
    (2004, 102000, 410000),   -- single source
    (2005, 105000, 420000),
    (2006, 108000, 430000),
    (2007, 125000, 500000),
    (2008, 250000, 800000),
    (2009, 250000, 800000),
    (2010, 500000, 2000000),
    (2011, 500000, 2000000),
    (2012, 500000, 2000000),
    (2013, 500000, 2000000),
    (2014, 500000, 2000000),
    (2015, 500000, 2000000),
    (2016, 500000, 2010000),
    (2017, 510000, 2030000),
    (2018, 1000000, 2500000),
    (2019, 1020000, 2550000),
    (2020, 1040000, 2590000),
    (2021, 1050000, 2620000),
    (2022, 1080000, 2700000),
    (2023, 1160000, 2890000),
    (2024, 1220000, 3050000),
    (2025, 2500000, 4000000); -- single source; the limit as raised in 2025 (1,250,000 / 3,130,000 before)

-- Vehicle caps by the year placed in service and vehicle type: the first-year cap with the 30 %
-- bonus, with the 50 % (or 100 %) bonus, without bonus, then the second, third and fourth-and-later
-- years. How the published figures map to the rows:
--  * A bonus column holds the published "first year with bonus" cap only for the bonus rates that
--    could be taken that year; 0 elsewhere, so the asset form warns about a bonus that year did not
--    have. 2001-2002: 30 % only. 2003: 30 % until May 5 (7,660; trucks 7,960), 50 % after
--    (10,710; trucks 11,010), one row for the year. 2004: either rate, one cap. 2008-2017: 50 % and
--    100 %. From 2018 the cap with bonus is the same whatever the rate, so both columns hold it.
--  * "Gas" rows are the passenger-car figures. "Truck/Van" rows are the truck and van figures for
--    2003-2017 (the years with a separate table); before 2003 and from 2018 one table covers cars,
--    trucks and vans, so those rows repeat the car figures.
--  * "Electric" rows from 2007 repeat the car figures: electric cars placed in service after 2006
--    have the ordinary caps. The raised caps of electric cars placed in service before 2007 are not
--    shipped; a user enters them when needed.
--  * The 30 % cap of 2001 is that of vehicles placed in service after September 10, when the
--    bonus began; 2001 and 2002 are single source.
INSERT INTO tblMaxAuto ([Year], Type, [Yr 1 + 30%], [Yr 1 + 50%], [Max Year 1], [Max Year 2], [Max Year 3],
                        [Max Year 4]) VALUES
    (1998, 'Gas', 0, 0, 3160, 5000, 2950, 1775),
    (1999, 'Gas', 0, 0, 3060, 5000, 2950, 1775),
    (2000, 'Gas', 0, 0, 3060, 4900, 2950, 1775),
    (2001, 'Gas', 7660, 0, 3060, 4900, 2950, 1775),
    (2002, 'Gas', 7660, 0, 3060, 4900, 2950, 1775),
    (2003, 'Gas', 7660, 10710, 3060, 4900, 2950, 1775),
    (2004, 'Gas', 10610, 10610, 2960, 4800, 2850, 1675),
    (2005, 'Gas', 0, 0, 2960, 4700, 2850, 1675),
    (2006, 'Gas', 0, 0, 2960, 4800, 2850, 1775),
    (2007, 'Gas', 0, 0, 3060, 4900, 2850, 1775),
    (2008, 'Gas', 0, 10960, 2960, 4800, 2850, 1775),
    (2009, 'Gas', 0, 10960, 2960, 4800, 2850, 1775),
    (2010, 'Gas', 0, 11060, 3060, 4900, 2950, 1775),
    (2011, 'Gas', 0, 11060, 3060, 4900, 2950, 1775),
    (2012, 'Gas', 0, 11160, 3160, 5100, 3050, 1875),
    (2013, 'Gas', 0, 11160, 3160, 5100, 3050, 1875),
    (2014, 'Gas', 0, 11160, 3160, 5100, 3050, 1875),
    (2015, 'Gas', 0, 11160, 3160, 5100, 3050, 1875),
    (2016, 'Gas', 0, 11160, 3160, 5100, 3050, 1875),
    (2017, 'Gas', 0, 11160, 3160, 5100, 3050, 1875),
    (2018, 'Gas', 18000, 18000, 10000, 16000, 9600, 5760),
    (2019, 'Gas', 18100, 18100, 10100, 16100, 9700, 5760),
    (2020, 'Gas', 18100, 18100, 10100, 16100, 9700, 5760),   -- single source
    (2021, 'Gas', 18200, 18200, 10200, 16400, 9800, 5860),
    (2022, 'Gas', 19200, 19200, 11200, 18000, 10800, 6460),
    (2023, 'Gas', 20200, 20200, 12200, 19500, 11700, 6960),
    (2024, 'Gas', 20400, 20400, 12400, 19800, 11900, 7160),
    (2025, 'Gas', 20200, 20200, 12200, 19600, 11800, 7060),

    (1998, 'Truck/Van', 0, 0, 3160, 5000, 2950, 1775),
    (1999, 'Truck/Van', 0, 0, 3060, 5000, 2950, 1775),
    (2000, 'Truck/Van', 0, 0, 3060, 4900, 2950, 1775),
    (2001, 'Truck/Van', 7660, 0, 3060, 4900, 2950, 1775),
    (2002, 'Truck/Van', 7660, 0, 3060, 4900, 2950, 1775),
    (2003, 'Truck/Van', 7960, 11010, 3360, 5400, 3250, 1975), -- 7,960 single source
    (2004, 'Truck/Van', 10910, 10910, 3260, 5300, 3150, 1875),
    (2005, 'Truck/Van', 0, 0, 3260, 5200, 3150, 1875),
    (2006, 'Truck/Van', 0, 0, 3260, 5200, 3150, 1875),
    (2007, 'Truck/Van', 0, 0, 3260, 5200, 3150, 1875),
    (2008, 'Truck/Van', 0, 11160, 3160, 5100, 3050, 1875),
    (2009, 'Truck/Van', 0, 11060, 3060, 4900, 2950, 1775),
    (2010, 'Truck/Van', 0, 11160, 3160, 5100, 3050, 1875),
    (2011, 'Truck/Van', 0, 11260, 3260, 5200, 3150, 1875),
    (2012, 'Truck/Van', 0, 11360, 3360, 5300, 3150, 1875),
    (2013, 'Truck/Van', 0, 11360, 3360, 5400, 3250, 1975),
    (2014, 'Truck/Van', 0, 11460, 3460, 5500, 3350, 1975),
    (2015, 'Truck/Van', 0, 11460, 3460, 5600, 3350, 1975),
    (2016, 'Truck/Van', 0, 11560, 3560, 5700, 3350, 2075),
    (2017, 'Truck/Van', 0, 11560, 3560, 5700, 3450, 2075),
    (2018, 'Truck/Van', 18000, 18000, 10000, 16000, 9600, 5760),
    (2019, 'Truck/Van', 18100, 18100, 10100, 16100, 9700, 5760),
    (2020, 'Truck/Van', 18100, 18100, 10100, 16100, 9700, 5760), -- single source
    (2021, 'Truck/Van', 18200, 18200, 10200, 16400, 9800, 5860),
    (2022, 'Truck/Van', 19200, 19200, 11200, 18000, 10800, 6460),
    (2023, 'Truck/Van', 20200, 20200, 12200, 19500, 11700, 6960),
    (2024, 'Truck/Van', 20400, 20400, 12400, 19800, 11900, 7160),
    (2025, 'Truck/Van', 20200, 20200, 12200, 19600, 11800, 7060),

    (2007, 'Electric', 0, 0, 3060, 4900, 2850, 1775),
    (2008, 'Electric', 0, 10960, 2960, 4800, 2850, 1775),
    (2009, 'Electric', 0, 10960, 2960, 4800, 2850, 1775),
    (2010, 'Electric', 0, 11060, 3060, 4900, 2950, 1775),
    (2011, 'Electric', 0, 11060, 3060, 4900, 2950, 1775),
    (2012, 'Electric', 0, 11160, 3160, 5100, 3050, 1875),
    (2013, 'Electric', 0, 11160, 3160, 5100, 3050, 1875),
    (2014, 'Electric', 0, 11160, 3160, 5100, 3050, 1875),
    (2015, 'Electric', 0, 11160, 3160, 5100, 3050, 1875),
    (2016, 'Electric', 0, 11160, 3160, 5100, 3050, 1875),
    (2017, 'Electric', 0, 11160, 3160, 5100, 3050, 1875),
    (2018, 'Electric', 18000, 18000, 10000, 16000, 9600, 5760),
    (2019, 'Electric', 18100, 18100, 10100, 16100, 9700, 5760),
    (2020, 'Electric', 18100, 18100, 10100, 16100, 9700, 5760), -- single source
    (2021, 'Electric', 18200, 18200, 10200, 16400, 9800, 5860),
    (2022, 'Electric', 19200, 19200, 11200, 18000, 10800, 6460),
    (2023, 'Electric', 20200, 20200, 12200, 19500, 11700, 6960),
    (2024, 'Electric', 20400, 20400, 12400, 19800, 11900, 7160),
    (2025, 'Electric', 20200, 20200, 12200, 19600, 11800, 7060);
