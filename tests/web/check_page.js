// The web page in Debian's chromium, headless with software WebGL, opened
// from file:// in a folder of its own: the scene in each state against the
// native program's screenshots (tests/web/native_states.sh, the same keys in
// the same order), the depth keys, mouse and touch drags, the page's own
// controls, no page error. Prints one line a check and "web: N passed, N failed".
// Usage: node check_page.js PAGE.html NATIVE_SHOTS_DIR OUT_DIR [BENCH_FILE]
'use strict';
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [pagePath, nativeDir, outDir, benchFile] = process.argv.slice(2);
const canvasWidth = 640, canvasHeight = 480, controlsHeight = 44;
// Within this, a state matches the native screenshot: the mean difference per
// channel (of 255) and the share of pixels off by more than 48 in a channel.
// The water surface ripples with each program's own clock, so the rows it
// can take at the top (at depth 10) are left out; below them texture
// filtering and rounding differ in the last bits only.
const meanTolerance = 1.5, offShareTolerance = 0.01, rippleRows = 120;
const sleep = ms => new Promise(r => setTimeout(r, ms));

let passed = 0, failed = 0;
function check(ok, what) {
  if (ok) { passed++; console.log('web: ok   ' + what); } else { failed++; console.log('web: FAIL ' + what); }
}

(async () => {
  fs.mkdirSync(outDir, { recursive: true });
  const browser = await puppeteer.launch({
    executablePath: process.env.MARIVANE_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--window-size=800,700'],
  });
  const errors = [], warnings = [];
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: canvasWidth, height: canvasHeight + controlsHeight, hasTouch: true });
    page.on('pageerror', e => errors.push(e.message));
    page.on('console', m => {
      if (m.type() === 'error') errors.push(m.text());
      if (m.type() === 'warn' || m.type() === 'warning') warnings.push(m.text());
    });
    const downloads = path.join(outDir, 'downloads');
    fs.rmSync(downloads, { recursive: true, force: true });
    fs.mkdirSync(downloads, { recursive: true });
    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });

    const opened = Date.now();
    await page.goto('file://' + path.resolve(pagePath));
    await page.waitForFunction('window.marivaneFirstFrameMs !== undefined', { timeout: 120000 });
    const firstFrameMs = await page.evaluate('window.marivaneFirstFrameMs');
    check(await page.title() === 'Marivane', 'the page is titled "Marivane" (' + await page.title() + ')');
    const size = await page.evaluate('[Module.canvas.width, Module.canvas.height]');
    check(size[0] === canvasWidth && size[1] === canvasHeight, 'the canvas fills the page above the controls: ' + size.join('x'));

    const canvasShot = async name => {
      const file = path.join(outDir, name + '.png');
      await page.screenshot({ path: file, clip: { x: 0, y: 0, width: canvasWidth, height: canvasHeight } });
      return file;
    };
    // Image arithmetic in the page itself: no image library needed here.
    const analyse = (a, b, fromRow = 0) => page.evaluate(async (a, b, fromRow) => {
      // Without colour management: the bytes as stored, whatever gamma a PNG names.
      const load = async src => createImageBitmap(await (await fetch(src)).blob(),
        { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
      const pixels = async src => {
        const img = await load(src);
        const c = document.createElement('canvas'); c.width = img.width; c.height = img.height;
        const g = c.getContext('2d'); g.drawImage(img, 0, 0);
        return g.getImageData(0, 0, img.width, img.height);
      };
      const p = await pixels(a);
      const counts = new Map();
      for (let i = 0; i < p.data.length; i += 4) {
        const key = (p.data[i] << 16) | (p.data[i + 1] << 8) | p.data[i + 2];
        counts.set(key, (counts.get(key) || 0) + 1);
      }
      let commonest = 0, most = 0;
      counts.forEach((n, key) => { if (n > most) { most = n; commonest = key; } });
      const result = { commonest: [commonest >> 16, (commonest >> 8) & 255, commonest & 255] };
      if (b) {
        const q = await pixels(b);
        if (q.width !== p.width || q.height !== p.height) return Object.assign(result, { sizes: false });
        let sum = 0, off = 0;
        for (let i = 4 * fromRow * p.width; i < p.data.length; i += 4) {
          let worst = 0;
          for (let k = 0; k < 3; ++k) {
            const d = Math.abs(p.data[i + k] - q.data[i + k]);
            sum += d; worst = Math.max(worst, d);
          }
          if (worst > 48) off++;
        }
        const n = p.width * (p.height - fromRow);
        Object.assign(result, { sizes: true, mean: sum / (3 * n), offShare: off / n });
      }
      return result;
    }, a, b, fromRow);
    const dataUrl = file => 'data:image/png;base64,' + fs.readFileSync(file).toString('base64');
    const near = (c, want) => c.every((v, i) => Math.abs(v - want[i]) <= 3);
    const press = async (key, n = 1) => { for (let i = 0; i < n; ++i) { await page.keyboard.press(key); await sleep(30); } };
    const compareState = async name => {
      await sleep(1500);
      const web = await canvasShot(name);
      const native = path.join(nativeDir, name + '.png');
      if (!fs.existsSync(native)) { check(false, name + ': no native screenshot ' + native); return null; }
      const r = await analyse(dataUrl(web), dataUrl(native), rippleRows);
      check(r.sizes && r.mean <= meanTolerance && r.offShare <= offShareTolerance,
        name + ' matches the native program below row ' + rippleRows + ': mean difference ' + (r.mean || 0).toFixed(2) + ', ' +
        (100 * (r.offShare || 0)).toFixed(2) + ' % of pixels off by more than 48');
      return r;
    };

    // The same states, in the same order and timing, as native_states.sh.
    await page.click('canvas');
    await sleep(Math.max(0, 9000 - (Date.now() - opened - firstFrameMs)));
    const start = await compareState('start');
    await press('ArrowDown', 40);
    const depth50 = await compareState('depth50');
    if (start && depth50)
      check(near(start.commonest, [51, 128, 153]) && near(depth50.commonest, [0, 64, 77]),
        '40 presses of ArrowDown: background (' + start.commonest.join(', ') + ') -> (' + depth50.commonest.join(', ') + ')');
    await press('ArrowUp', 20); await press('F3'); await compareState('clear30');
    await press('F3'); await compareState('open30');
    await press('F3'); await compareState('coastal30');
    await press('F6'); await compareState('torch');
    await press('F4'); await compareState('chart');
    await press('F4'); await press('F6'); await press('F3');
    // Quit means nothing in a page: Ctrl+Q leaves it running.
    await page.keyboard.down('Control'); await page.keyboard.press('KeyQ'); await page.keyboard.up('Control');
    await sleep(500);
    const depthBefore = await page.evaluate('Module._marivane_web_depth()');
    await press('ArrowUp'); await sleep(500);
    const depthAfter = await page.evaluate('Module._marivane_web_depth()');
    check(depthAfter === depthBefore - 1 && await page.evaluate('!ABORT'),
      'Ctrl+Q leaves the page running: ArrowUp then takes the depth from ' + depthBefore + ' to ' + depthAfter);

    // Mouse and touch turn the camera; Home looks ahead again.
    const before = await canvasShot('before-drag');
    await page.mouse.move(320, 300); await page.mouse.down();
    for (let i = 1; i <= 10; ++i) { await page.mouse.move(320 + 12 * i, 300 + 3 * i); await sleep(20); }
    await page.mouse.up(); await sleep(500);
    const dragged = await analyse(dataUrl(await canvasShot('mouse-drag')), dataUrl(before));
    check(dragged.offShare > 0.05, 'a mouse drag turns the camera (' + (100 * dragged.offShare).toFixed(1) + ' % of pixels changed)');
    await press('Home'); await sleep(500);
    const home = await analyse(dataUrl(await canvasShot('home')), dataUrl(before));
    check(home.offShare < 0.03, 'Home looks straight ahead again (' + (100 * home.offShare).toFixed(1) + ' % of pixels differ)');
    await page.touchscreen.touchStart(320, 300);
    for (let i = 1; i <= 10; ++i) { await page.touchscreen.touchMove(320 - 20 * i, 300 - 3 * i); await sleep(20); }
    await page.touchscreen.touchEnd(); await sleep(500);
    const touched = await analyse(dataUrl(await canvasShot('touch-drag')), dataUrl(before));
    check(touched.offShare > 0.05, 'a one-finger drag turns the camera (' + (100 * touched.offShare).toFixed(1) + ' % of pixels changed)');
    await press('Home');

    // The page's own controls: the depth slider and a button for a function key.
    await page.$eval('#depth', s => { s.value = '70'; s.dispatchEvent(new Event('input')); });
    await sleep(500);
    const depth = await page.evaluate('Module._marivane_web_depth()');
    check(depth === 70, 'the depth slider sets the depth: ' + depth);
    await page.evaluate(() => { const s = document.getElementById('depth'); s.blur(); });
    const withoutChart = await canvasShot('button-before');
    await page.click('#controls button[title="F4"]'); await sleep(800);
    const chart = await analyse(dataUrl(await canvasShot('button-chart')), dataUrl(withoutChart));
    check(chart.offShare > 0.02, 'the "Chart" button shows the chart (' + (100 * chart.offShare).toFixed(1) + ' % of pixels changed)');
    await page.click('#controls button[title="F12"]');
    let saved = [];
    for (let i = 0; i < 50 && saved.length === 0; ++i) {
      await sleep(100);
      saved = fs.readdirSync(downloads).filter(f => /^marivane-\d{8}-\d{6}.*\.png$/.test(f));
    }
    const png = saved.length ? fs.readFileSync(path.join(downloads, saved[0])) : Buffer.alloc(0);
    check(png.length > 8 && png.slice(1, 4).toString() === 'PNG',
      'the "Screenshot" button downloads a PNG (' + (saved[0] || 'nothing') + ')');

    // Frame time in headless chromium with software WebGL: for comparison between runs only.
    const frameMs = await page.evaluate(() => new Promise(resolve => {
      let frames = 0; const t0 = performance.now();
      const tick = () => { if (++frames < 30) requestAnimationFrame(tick); else resolve((performance.now() - t0) / frames); };
      requestAnimationFrame(tick);
    }));
    check(errors.length === 0, 'no page error' + (errors.length ? ': ' + errors.join(' | ') : ''));
    check(warnings.length === 0, 'no warning from the program' + (warnings.length ? ': ' + warnings.join(' | ') : ''));
    const bytes = fs.statSync(pagePath).size;
    const figures = 'page ' + bytes + ' bytes; first complete frame ' + Math.round(firstFrameMs) +
      ' ms after opening; frame time ' + frameMs.toFixed(1) + ' ms (headless chromium, SwiftShader)';
    console.log('web: ' + figures);
    if (benchFile) fs.appendFileSync(benchFile, new Date().toISOString() + ' ' + figures + '\n');
    // The page's language follows the browser's list: the first shipped one
    // (not the first of the list), for the page's own texts too. The slider's
    // ends follow the water: 10..90 under the simple rule, from 1 m measured.
    const german = await browser.newPage();
    await german.evaluateOnNewDocument(() => {
      Object.defineProperty(navigator, 'languages', { get: () => ['pt-BR', 'de-AT', 'fr'] });
    });
    await german.bringToFront();  // a tab in the background gets no animation frames
    await german.goto('file://' + path.resolve(pagePath));
    await german.waitForFunction('window.marivaneFirstFrameMs !== undefined', { timeout: 120000 });
    const labels = await german.evaluate(() => [document.documentElement.lang,
      document.querySelector('#controls button[title="F1"]').textContent,
      document.getElementById('depth-label').textContent]);
    check(labels.join('|') === 'de|Hilfe|Tiefe', 'a browser asking for pt-BR, de-AT, fr gets German: ' + labels.join(', '));
    const ends = async () => (await german.evaluate(() => {
      const s = document.getElementById('depth'); return [s.min, s.max].join('..');
    }));
    const simpleEnds = await ends();
    await german.click('#controls button[title="F3"]');
    // The page follows the program once a frame, which a busy machine may
    // take a while to draw.
    await german.waitForFunction(() => document.getElementById('depth').min === '1', { timeout: 20000 })
      .catch(() => {});
    const measuredEnds = await ends();
    check(simpleEnds === '10..90' && measuredEnds === '1..90',
      'the depth slider spans the water\'s depths: ' + simpleEnds + ' under the simple rule, ' + measuredEnds + ' in clear ocean');
    await german.close();

    // A browser without WebGL gets a plain message, and nothing fails.
    const noWebgl = await puppeteer.launch({
      executablePath: process.env.MARIVANE_CHROMIUM || '/usr/bin/chromium',
      headless: true, args: ['--no-sandbox', '--disable-webgl', '--disable-3d-apis'],
    });
    try {
      const bare = await noWebgl.newPage();
      const bareErrors = [];
      bare.on('pageerror', e => bareErrors.push(e.message));
      await bare.goto('file://' + path.resolve(pagePath));
      await sleep(3000);
      const said = await bare.$eval('#status-text', e => e.offsetParent !== null ? e.textContent : '');
      check(/offers no WebGL/.test(said) && bareErrors.length === 0,
        'without WebGL the page says so: "' + said.slice(0, 60) + '..."' + (bareErrors.length ? ' errors: ' + bareErrors.join(' | ') : ''));
    } finally {
      await noWebgl.close();
    }
  } catch (e) {
    check(false, 'the check ran to its end: ' + e.message);
  } finally {
    await browser.close();
  }
  console.log('web: ' + passed + ' passed, ' + failed + ' failed');
  process.exit(failed === 0 ? 0 : 1);
})();
