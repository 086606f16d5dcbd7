-- The program's data file, data.mdb (a SQLite database).
-- Sales: emptied every time the program closes; the program never fills it.
CREATE TABLE xiaoshou (
    id INTEGER PRIMARY KEY,
    haoma VARCHAR(32),        -- topped-up number
    jine VARCHAR(16),         -- amount
    yunyingshang VARCHAR(16), -- carrier
    shijian VARCHAR(19)       -- time, yyyy-mm-dd hh:mm:ss
);
-- Remarks: the first row keeps the two receipt remarks the clerk saved.
CREATE TABLE beizhu (
    备注1 VARCHAR(255),
    备注2 VARCHAR(255)
);
