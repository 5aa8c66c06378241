/* The road not taken for the search index, measured: an SQLite FTS5 table
 * with the trigram tokenizer over the same names.
 *
 *   fts5_trial build NAMES DB   one name a line (NAMES) into a new DB; prints
 *                               the seconds it took
 *   fts5_trial query DB WORD    prints how many names hold WORD (any case)
 *
 * bench/index_vs_plocate.sh times it beside plocate and rackmere-cli find. */
#include <sqlite3.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static int fail(sqlite3 *db, const char *what)
{
    fprintf(stderr, "fts5_trial: %s: %s\n", what, db ? sqlite3_errmsg(db) : "cannot open");
    return 1;
}

static double now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

static int build(const char *names, const char *path)
{
    sqlite3 *db = NULL;
    FILE *in = fopen(names, "r");
    if (!in) {
        perror(names);
        return 1;
    }
    remove(path);
    if (sqlite3_open(path, &db) != SQLITE_OK)
        return fail(db, path);
    const double start = now();
    if (sqlite3_exec(db,
                     "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"
                     "CREATE VIRTUAL TABLE names USING fts5(name, tokenize='trigram', detail='none');"
                     "BEGIN;",
                     NULL, NULL, NULL) != SQLITE_OK)
        return fail(db, "create");
    sqlite3_stmt *insert = NULL;
    if (sqlite3_prepare_v2(db, "INSERT INTO names(name) VALUES(?)", -1, &insert, NULL) != SQLITE_OK)
        return fail(db, "prepare");
    char *line = NULL;
    size_t cap = 0;
    ssize_t n;
    while ((n = getline(&line, &cap, in)) > 0) {
        if (line[n - 1] == '\n')
            --n;
        sqlite3_bind_text(insert, 1, line, (int)n, SQLITE_STATIC);
        if (sqlite3_step(insert) != SQLITE_DONE)
            return fail(db, "insert");
        sqlite3_reset(insert);
    }
    free(line);
    fclose(in);
    sqlite3_finalize(insert);
    if (sqlite3_exec(db, "COMMIT; INSERT INTO names(names) VALUES('optimize');", NULL, NULL, NULL) != SQLITE_OK)
        return fail(db, "commit");
    sqlite3_close(db);
    printf("%.3f\n", now() - start);
    return 0;
}

static int query(const char *path, const char *word)
{
    sqlite3 *db = NULL;
    if (sqlite3_open_v2(path, &db, SQLITE_OPEN_READONLY, NULL) != SQLITE_OK)
        return fail(db, path);
    sqlite3_stmt *q = NULL;
    if (sqlite3_prepare_v2(db, "SELECT name FROM names WHERE name LIKE ?", -1, &q, NULL) != SQLITE_OK)
        return fail(db, "prepare");
    const size_t len = strlen(word);
    char *pattern = malloc(len + 3);
    if (!pattern)
        return 1;
    pattern[0] = '%';
    memcpy(pattern + 1, word, len);
    strcpy(pattern + 1 + len, "%");
    sqlite3_bind_text(q, 1, pattern, -1, SQLITE_TRANSIENT);
    free(pattern);
    long count = 0;
    while (sqlite3_step(q) == SQLITE_ROW) {
        fputs((const char *)sqlite3_column_text(q, 0), stdout);
        fputc('\n', stdout);
        ++count;
    }
    sqlite3_finalize(q);
    sqlite3_close(db);
    return count ? 0 : 1;
}

int main(int argc, char **argv)
{
    if (argc == 4 && strcmp(argv[1], "build") == 0)
        return build(argv[2], argv[3]);
    if (argc == 4 && strcmp(argv[1], "query") == 0)
        return query(argv[2], argv[3]);
    fprintf(stderr, "usage: fts5_trial build NAMES DB | query DB WORD\n");
    return 2;
}
