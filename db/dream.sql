-- The phone-number readings.
CREATE TABLE shouji (
  num TEXT PRIMARY KEY,
  title TEXT, jx TEXT, content TEXT
);
