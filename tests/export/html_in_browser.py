#!/usr/bin/python3
"""The HTML export in a real browser: headless Chromium opens the page from a
file, a user types into its search box, and the rows that stay visible are
counted. Leaves a screenshot of the page after typing (export-search.png in
OUTDIR) to look at.

  html_in_browser.py RACKMERE_CLI OUTDIR

Chromium is driven over its DevTools protocol on a pipe (--remote-debugging-
pipe), so nothing listens on the network. Exits 77 (skipped) when Chromium
is not installed.
"""
import base64
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

# A file name may hold anything but a slash: markup that would run if it
# were not escaped.
HOSTILE = '<img src=x onerror="window.rkPwned=1"><script>window.rkPwned=2'
DISK = 'Holiday <b>2019</b>'
TREE = {
    'report-2019.pdf': 300,
    'notes.txt': 10,
    HOSTILE: 5,
    'Café.txt': 2000,
    'Docs/Annual Report.doc': 5000,
    'Docs/letter.txt': 10,
    'Docs/Old/report-draft.txt': 10,
    'Docs/Old/x.txt': 10,
    'Photos/beach.jpg': 90000,
    'Photos/REPORTER.jpg': 90000,
    'Music/report/song.mp3': 4000,
}


class Chromium:
    """One headless Chromium, spoken to over fds 3 and 4."""

    def __init__(self, exe, profile):
        to_child, self._out = os.pipe()
        self._in, from_child = os.pipe()

        def pipes():
            a, b = os.dup(to_child), os.dup(from_child)
            os.dup2(a, 3)
            os.dup2(b, 4)

        self.proc = subprocess.Popen(
            [exe, '--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--user-data-dir=' + profile, '--remote-debugging-pipe', 'about:blank'],
            preexec_fn=pipes, close_fds=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_child)
        os.close(from_child)
        self._buffer = b''
        self._id = 0
        self.events = []
        self.session = None

    def _next(self, timeout=30):
        while b'\0' not in self._buffer:
            ready, _, _ = select.select([self._in], [], [], timeout)
            if not ready:
                raise TimeoutError('no answer from Chromium')
            chunk = os.read(self._in, 1 << 20)
            if not chunk:
                raise EOFError('Chromium ended')
            self._buffer += chunk
        message, _, self._buffer = self._buffer.partition(b'\0')
        return json.loads(message)

    def call(self, method, params=None, browser=False):
        self._id += 1
        message = {'id': self._id, 'method': method, 'params': params or {}}
        if self.session and not browser:
            message['sessionId'] = self.session
        os.write(self._out, json.dumps(message).encode() + b'\0')
        while True:
            m = self._next()
            if m.get('id') == self._id:
                if 'error' in m:
                    raise RuntimeError('%s: %s' % (method, m['error']))
                return m.get('result', {})
            self.events.append(m)

    def wait_event(self, method, timeout=30):
        end = time.time() + timeout
        while True:
            for e in self.events:
                if e.get('method') == method:
                    self.events.remove(e)
                    return e
            self.events.append(self._next(max(0.1, end - time.time())))

    def eval(self, expression):
        r = self.call('Runtime.evaluate', {'expression': expression, 'returnByValue': True})
        if 'exceptionDetails' in r:
            raise RuntimeError(expression + ': ' + json.dumps(r['exceptionDetails']))
        return r['result'].get('value')

    def key(self, key, text='', code=0):
        for kind in ('keyDown', 'keyUp'):
            params = {'type': kind, 'key': key, 'windowsVirtualKeyCode': code}
            if text and kind == 'keyDown':
                params['text'] = text
            self.call('Input.dispatchKeyEvent', params)

    def close(self):
        try:
            self.call('Browser.close', browser=True)
        except Exception:
            pass
        try:
            self.proc.wait(10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()


def wait_for(chrome, expression, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        value = chrome.eval(expression)
        if value:
            return value
        time.sleep(0.05)
    raise TimeoutError(expression)


def main():
    cli, outdir = sys.argv[1], sys.argv[2]
    exe = shutil.which('chromium') or (os.path.exists('/usr/bin/chromium') and '/usr/bin/chromium')
    if not exe:
        print('SKIP: chromium is not installed (tools/deps.sh installs it)')
        return 77
    failures = []

    def check(ok, what):
        print(('ok   ' if ok else 'FAIL ') + what)
        if not ok:
            failures.append(what)

    with tempfile.TemporaryDirectory() as work:
        tree, prog = os.path.join(work, 'tree'), os.path.join(work, 'prog')
        for rel, size in TREE.items():
            path = os.path.join(tree, rel)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, 'wb') as f:
                f.truncate(size)
        env = dict(os.environ, RACKMERE_DIR=prog)
        subprocess.run([cli, 'add', tree, '--name', DISK, '--comment', 'photos & reports'], env=env, check=True,
                       stdout=subprocess.DEVNULL)
        page = os.path.join(work, 'catalogue.html')
        subprocess.run([cli, 'export', '--format', 'html', '-o', page], env=env, check=True)

        chrome = Chromium(exe, os.path.join(work, 'profile'))
        try:
            target = chrome.call('Target.createTarget', {'url': 'about:blank'})['targetId']
            chrome.session = chrome.call('Target.attachToTarget', {'targetId': target, 'flatten': True})['sessionId']
            for domain in ('Page', 'Runtime', 'Network'):
                chrome.call(domain + '.enable')
            chrome.call('Emulation.setDeviceMetricsOverride',
                        {'width': 1000, 'height': 760, 'deviceScaleFactor': 1, 'mobile': False})
            url = 'file://' + page
            chrome.call('Page.navigate', {'url': url})
            chrome.wait_event('Page.loadEventFired')

            visible = ("Array.from(document.querySelectorAll('tr.f'))"
                       ".filter(r => r.checkVisibility())")
            whole = chrome.eval("document.getElementById('st').textContent")
            check(whole == '1 listing, 5 folders, 11 files', 'the counts before a search: ' + whole)
            check(chrome.eval('!document.getElementById("find").hidden'), 'the search box shows')
            check(chrome.eval(visible + '.length') == 4, 'the root files show, the folders are closed')
            check(chrome.eval("typeof window.rkPwned") == 'undefined', 'a file named like a script did not run')
            check(chrome.eval("Array.from(document.querySelectorAll('tr.f td:first-child'))"
                              ".some(td => td.textContent === %s)" % json.dumps(HOSTILE)),
                  'a file named like a script shows as its name')
            check(chrome.eval("document.querySelector('.disk .n').textContent") == DISK
                  and chrome.eval("document.querySelectorAll('main b').length") == 0,
                  'a disk name with markup shows as text')

            chrome.eval("document.getElementById('q').focus()")
            for c in 'RePort':
                chrome.key(c, c)
            # Each key filters the page (on a timer); the state after the last
            # key is the one to judge, not that of the first, so let every
            # timer the page set run first (its longest wait is 250 ms).
            chrome.call('Runtime.evaluate', {'expression': 'new Promise(r => setTimeout(r, 400))',
                                             'awaitPromise': True})
            check(chrome.eval("document.getElementById('q').value") == 'RePort', 'the box holds what was typed')
            found = wait_for(chrome, "document.getElementById('st').textContent.endsWith('found') && "
                                     "document.getElementById('st').textContent")
            names = chrome.eval(visible + ".map(r => r.cells[0].textContent)")
            print('after typing "RePort":', found, names)
            # Four names hold the text; song.mp3 lies in the folder "report",
            # which shows (closed) with its file counted.
            check(sorted(names) == ['Annual Report.doc', 'REPORTER.jpg', 'report-2019.pdf', 'report-draft.txt'],
                  'the rows that stay are those whose name holds the text')
            check(found == '5 files found', 'the count of files found: ' + found)
            check(chrome.eval("Array.from(document.querySelectorAll('details'))"
                              ".filter(d => d.checkVisibility()).map(d => d.querySelector('.n').textContent)"
                              ".sort().join(',')") == ','.join(sorted([DISK, 'Docs', 'Old', 'Photos', 'Music',
                                                                       'report'])),
                  'only the folders on the way to a match show')
            shot = chrome.call('Page.captureScreenshot', {'format': 'png'})['data']
            os.makedirs(outdir, exist_ok=True)
            with open(os.path.join(outdir, 'export-search.png'), 'wb') as f:
                f.write(base64.b64decode(shot))

            chrome.eval("document.getElementById('q').select()")
            chrome.key('Backspace', code=8)
            wait_for(chrome, "document.getElementById('st').textContent === %s" % json.dumps(whole))
            check(chrome.eval(visible + '.length') == 4, 'an empty box gives the page back as it was')

            fetched = [e['params']['request']['url'] for e in chrome.events
                       if e.get('method') == 'Network.requestWillBeSent']
            check(all(u == url for u in fetched), 'nothing but the page itself was loaded: %s' % fetched)
        finally:
            chrome.close()
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
