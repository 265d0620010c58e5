-- A journal as the first schema version wrote it: the core tables, no named ranges, no settings.
PRAGMA application_id = 1417047114;
CREATE TABLE sessions (id INTEGER PRIMARY KEY, started INTEGER NOT NULL, program TEXT NOT NULL);
CREATE TABLE spots (id INTEGER PRIMARY KEY, hole TEXT NOT NULL, board TEXT NOT NULL, pot REAL NOT NULL,
    hero_bet REAL NOT NULL, villain_bet REAL NOT NULL, stack REAL NOT NULL, range_name TEXT NOT NULL,
    range_text TEXT NOT NULL, street TEXT NOT NULL, board_kind TEXT NOT NULL, source TEXT NOT NULL,
    UNIQUE (hole, board, pot, hero_bet, villain_bet, stack, range_name, range_text));
CREATE TABLE answers (id INTEGER PRIMARY KEY, session INTEGER NOT NULL REFERENCES sessions(id),
    spot INTEGER NOT NULL REFERENCES spots(id), question TEXT NOT NULL, answer TEXT NOT NULL, truth TEXT NOT NULL,
    right INTEGER NOT NULL, error REAL, seconds REAL NOT NULL, time INTEGER NOT NULL,
    UNIQUE (session, spot, question));
CREATE INDEX answers_by_time ON answers(time);
CREATE INDEX answers_by_spot ON answers(spot);
CREATE TABLE reviews (spot INTEGER PRIMARY KEY REFERENCES spots(id), box INTEGER NOT NULL, due INTEGER NOT NULL);
INSERT INTO sessions VALUES (1, 1760000000, 'tavolin');
INSERT INTO spots VALUES (1, 'Ad 7d', '3s 4c 5h', 100, 0, 50, 500, 'Nit/Tight', 'TT+', 'flop', 'dry', 'dealt');
INSERT INTO answers VALUES (1, 1, 1, 'outs', '5', '6', 0, 1, 4.5, 1760000100);
INSERT INTO reviews VALUES (1, 1, 1760000100);
PRAGMA user_version = 1;
