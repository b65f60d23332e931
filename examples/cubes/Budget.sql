-- Budget: planned and actual costs of a company's teams per month and account, 2023-2024.

CREATE TABLE budget_month (
  month_id      INTEGER PRIMARY KEY,
  year          INTEGER NOT NULL,
  quarter       INTEGER NOT NULL,
  quarter_name  TEXT NOT NULL,
  month         INTEGER NOT NULL,
  month_name    TEXT NOT NULL
);

WITH RECURSIVE m(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM m WHERE i < 23)
INSERT INTO budget_month (month_id, year, quarter, quarter_name, month, month_name)
SELECT 202301 + (i / 12) * 100 + i % 12, 2023 + i / 12, (i % 12) / 3 + 1, 'Q' || ((i % 12) / 3 + 1), i % 12 + 1,
       CASE i % 12 WHEN 0 THEN 'Jan' WHEN 1 THEN 'Feb' WHEN 2 THEN 'Mar' WHEN 3 THEN 'Apr'
                   WHEN 4 THEN 'May' WHEN 5 THEN 'Jun' WHEN 6 THEN 'Jul' WHEN 7 THEN 'Aug'
                   WHEN 8 THEN 'Sep' WHEN 9 THEN 'Oct' WHEN 10 THEN 'Nov' ELSE 'Dec' END
FROM m;

CREATE TABLE budget_team (
  team_id       INTEGER PRIMARY KEY,
  team          TEXT NOT NULL,
  office        TEXT NOT NULL,
  division      TEXT NOT NULL,
  headcount     INTEGER NOT NULL
);

INSERT INTO budget_team (team_id, team, office, division, headcount) VALUES
  (1, 'Field Sales North', 'Göteborg', 'Sales', 12),
  (2, 'Key Accounts', 'Göteborg', 'Sales', 5),
  (3, 'Field Sales Alps', 'Zürich', 'Sales', 9),
  (4, 'Service Desk', 'Kraków', 'Operations', 21),
  (5, 'Logistics', 'Kraków', 'Operations', 14),
  (6, 'Warehouse South', 'Αθήνα', 'Operations', 17),
  (7, 'Product Design', 'Zürich', 'Development', 8),
  (8, 'Software', 'Kraków', 'Development', 11),
  (9, 'Research', 'Αθήνα', 'Development', 4);

CREATE TABLE budget_account (
  account_id    INTEGER PRIMARY KEY,
  account       TEXT NOT NULL,
  account_group TEXT NOT NULL,
  account_type  TEXT NOT NULL,
  type_order    INTEGER NOT NULL
);

INSERT INTO budget_account (account_id, account, account_group, account_type, type_order) VALUES
  (6110, 'Salaries', 'Personnel', 'Operating Costs', 1),
  (6120, 'Social Charges', 'Personnel', 'Operating Costs', 1),
  (6130, 'Training', 'Personnel', 'Operating Costs', 1),
  (6210, 'Rent', 'Premises', 'Operating Costs', 1),
  (6220, 'Energy', 'Premises', 'Operating Costs', 1),
  (6310, 'Travel', 'Travel & Events', 'Operating Costs', 1),
  (6320, 'Trade Fairs', 'Travel & Events', 'Operating Costs', 1),
  (7110, 'Hardware', 'Equipment', 'Investments', 2),
  (7120, 'Software Licences', 'Equipment', 'Investments', 2),
  (7210, 'Vehicles', 'Fleet', 'Investments', 2);

CREATE TABLE budget_scenario (
  scenario_id   INTEGER PRIMARY KEY,
  scenario      TEXT NOT NULL
);

INSERT INTO budget_scenario (scenario_id, scenario) VALUES (1, 'Budget'), (2, 'Actual');

CREATE TABLE budget_fact (
  month_id      INTEGER NOT NULL REFERENCES budget_month (month_id),
  team_id       INTEGER NOT NULL REFERENCES budget_team (team_id),
  account_id    INTEGER NOT NULL REFERENCES budget_account (account_id),
  scenario_id   INTEGER NOT NULL REFERENCES budget_scenario (scenario_id),
  amount        DOUBLE PRECISION NOT NULL,
  utilisation   DOUBLE PRECISION   -- share of the plan used; actuals only
);

-- Every team books every account every month in both scenarios, except that vehicles are
-- bought by operations only; amounts follow a fixed formula of the keys.
INSERT INTO budget_fact (month_id, team_id, account_id, scenario_id, amount, utilisation)
SELECT m.month_id, t.team_id, a.account_id, s.scenario_id,
       (t.headcount * (a.account_id % 1000 + 40) * (100 + (m.month_id * 7 + t.team_id * 3 + a.account_id) % 23)
        * (CASE s.scenario_id WHEN 1 THEN 100 ELSE 92 + (m.month_id + t.team_id * 5) % 17 END) / 100) / 10.0,
       CASE s.scenario_id WHEN 2 THEN (92 + (m.month_id + t.team_id * 5) % 17) / 100.0 END
FROM budget_month m CROSS JOIN budget_team t CROSS JOIN budget_account a CROSS JOIN budget_scenario s
WHERE a.account_id <> 7210 OR t.team_id IN (4, 5, 6);

INSERT INTO olap_cube (name, caption, fact_table, ordinal) VALUES ('Budget', 'Budget', 'budget_fact', 2);

INSERT INTO olap_dimension (cube, name, caption, dim_table, dim_key, fact_key) VALUES
  ('Budget', 'Time', 'Time', 'budget_month', 'month_id', 'month_id'),
  ('Budget', 'Organisation', 'Organisation', 'budget_team', 'team_id', 'team_id'),
  ('Budget', 'Account', 'Account', 'budget_account', 'account_id', 'account_id'),
  ('Budget', 'Scenario', 'Scenario', 'budget_scenario', 'scenario_id', 'scenario_id');

INSERT INTO olap_hierarchy (cube, name, caption, dimension, ordinal) VALUES
  ('Budget', 'Time', 'Time', 'Time', 1),
  ('Budget', 'Organisation', 'Organisation', 'Organisation', 2),
  ('Budget', 'Account', 'Account', 'Account', 3),
  ('Budget', 'Scenario', 'Scenario', 'Scenario', 4);

INSERT INTO olap_level (cube, hierarchy, depth, name, caption, key_column, caption_column, sort_column) VALUES
  ('Budget', 'Time', 1, 'Year', 'Year', 'year', NULL, NULL),
  ('Budget', 'Time', 2, 'Quarter', 'Quarter', 'quarter', 'quarter_name', NULL),
  ('Budget', 'Time', 3, 'Month', 'Month', 'month', 'month_name', NULL),
  ('Budget', 'Organisation', 1, 'Division', 'Division', 'division', NULL, NULL),
  ('Budget', 'Organisation', 2, 'Office', 'Office', 'office', NULL, NULL),
  ('Budget', 'Organisation', 3, 'Team', 'Team', 'team_id', 'team', 'team'),
  ('Budget', 'Account', 1, 'Type', 'Account Type', 'account_type', NULL, 'type_order'),
  ('Budget', 'Account', 2, 'Group', 'Account Group', 'account_group', NULL, NULL),
  ('Budget', 'Account', 3, 'Account', 'Account', 'account_id', 'account', NULL),
  ('Budget', 'Scenario', 1, 'Scenario', 'Scenario', 'scenario_id', 'scenario', NULL);

INSERT INTO olap_measure (cube, name, caption, column_name, aggregate, number_format, ordinal) VALUES
  ('Budget', 'Amount', 'Amount', 'amount', 'sum', 'Currency', 1),
  ('Budget', 'Bookings', 'Bookings', NULL, 'count', '#,##0', 2),
  ('Budget', 'Utilisation', 'Utilisation', 'utilisation', 'average', 'Percent', 3),
  ('Budget', 'Teams', 'Teams', 'team_id', 'distinct count', '#,##0', 4);
