-- The settings database in its initial state: one table, nine rows, three text columns.
-- Local mode (set_1 row 7 = 1), so a fresh install works without a server.
CREATE TABLE Setting (id INTEGER PRIMARY KEY, set_1 TEXT, set_2 TEXT, set_3 TEXT);
INSERT INTO Setting (id, set_1, set_2, set_3) VALUES (1, '',  '80', '0');
INSERT INTO Setting (id, set_1, set_2, set_3) VALUES (2, '',  '40', '0');
INSERT INTO Setting (id, set_1, set_2, set_3) VALUES (3, '',  '1',  '0');
INSERT INTO Setting (id, set_1, set_2, set_3) VALUES (4, '',  '0',  '0');
INSERT INTO Setting (id, set_1, set_2, set_3) VALUES (5, '1', '1',  '0');
INSERT INTO Setting (id, set_1, set_2, set_3) VALUES (6, '0', '0',  '70');
INSERT INTO Setting (id, set_1, set_2, set_3) VALUES (7, '1', '1',  '17');
INSERT INTO Setting (id, set_1, set_2, set_3) VALUES (8, '1', '0',  '6');
INSERT INTO Setting (id, set_1, set_2, set_3) VALUES (9, '1', '1',  '');
