#pragma once
// A small notebook whose charts are known by heart, for the unit and the
// screen suites alike. March 2024: trip 7 at 가게A on the 2nd (사과 1000,
// 쌀 500), trip 8 at 가게B on the 5th (사과 300), trip 9 at 가게A on the 9th
// (사과 2000). January 2024: trip 5 at 가게B (쌀 700, 사과 by the kg 4000).
// December 2023: trip 4 (배추 3000). And two rows the charts never count: a
// priced item not paid, and a planned one.

inline constexpr const char* kChartNotebookSql =
    "insert into ShoppingList_tbl values "
    "(1,'과일','사과',2,'개',500,'',0,0,1000,'2024-03-02','가게A',7,'Y'),"
    "(2,'곡물','쌀',1,'봉지',500,'',0,0,500,'2024-03-02','가게A',7,'Y'),"
    "(3,'과일','사과',4,'개',500,'',0,0,2000,'2024-03-09','가게A',9,'Y'),"
    "(4,'과일','사과',1,'개',300,'',0,0,300,'2024-03-05','가게B',8,'Y'),"
    "(5,'곡물','쌀',1,'봉지',700,'',0,0,700,'2024-01-20','가게B',5,'Y'),"
    "(6,'과일','사과',1,'kg',4000,'',0,0,4000,'2024-01-20','가게B',5,'Y'),"
    "(7,'채소','배추',1,'개',3000,'',0,0,3000,'2023-12-30','가게A',4,'Y'),"
    "(8,'과일','사과',3,'개',600,'',0,0,1800,'2024-03-20','가게A',0,''),"
    "(9,'과일','사과',2,'개',0,'',0,0,0,'','',NULL,'')";
