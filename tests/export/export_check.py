#!/usr/bin/python3
"""Reads an export back the way other programs do, for the export tests.

  export_check.py csv FILE            the rows as Python's csv module reads
                                      them, as JSON: {"bom": bool, "rows": [...]}
  export_check.py schema FILE SCHEMA  validates a JSON export against the schema
"""
import csv
import json
import sys


def read_csv(path):
    with open(path, 'rb') as f:
        bom = f.read(3) == b'\xef\xbb\xbf'
    with open(path, newline='', encoding='utf-8-sig') as f:
        rows = list(csv.reader(f, strict=True))
    json.dump({'bom': bom, 'rows': rows}, sys.stdout, ensure_ascii=False)


def check_schema(path, schema_path):
    import jsonschema
    with open(path, encoding='utf-8') as f:
        data = json.load(f)
    with open(schema_path, encoding='utf-8') as f:
        schema = json.load(f)
    validator = jsonschema.Draft202012Validator(schema)
    errors = sorted(validator.iter_errors(data), key=lambda e: list(e.path))
    for e in errors[:10]:
        print('/'.join(str(p) for p in e.path), e.message)
    print('valid' if not errors else '%d errors' % len(errors))
    return 1 if errors else 0


if __name__ == '__main__':
    if sys.argv[1] == 'csv':
        read_csv(sys.argv[2])
    elif sys.argv[1] == 'schema':
        sys.exit(check_schema(sys.argv[2], sys.argv[3]))
    else:
        sys.exit('unknown mode ' + sys.argv[1])
