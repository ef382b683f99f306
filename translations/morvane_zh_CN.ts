<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="About Tellavo">
        <source></source>
        <translation>关于 Tellavo</translation>
    </message>
    <message id="Tellavo V3.6.en" numerus="yes">
        <source></source>
        <translation>
            <numerusform>Tellavo V3.6</numerusform>
        </translation>
    </message>
    <message id="Station number：" numerus="yes">
        <source></source>
        <translation>
            <numerusform>站号：</numerusform>
        </translation>
    </message>
    <message id="Ready">
        <source></source>
        <translation>就绪</translation>
    </message>
    <message id="File(&amp;F)">
        <source></source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message id="Update to computer">
        <source></source>
        <translation>上传到计算机</translation>
    </message>
    <message id="Downloads to Device">
        <source></source>
        <translation>下载到设备</translation>
    </message>
    <message id="Exit">
        <source></source>
        <translation>退出</translation>
    </message>
    <message id="Settings(&amp;S)">
        <source></source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message id="Two point Trim">
        <source></source>
        <translation>两点微调</translation>
    </message>
    <message id="Cancel Linear Compensation">
        <source></source>
        <translation>取消线性补偿</translation>
    </message>
    <message id="Cancel Thermal Compensation">
        <source></source>
        <translation>取消温度补偿</translation>
    </message>
    <message id="Restore Thermal Compensation">
        <source></source>
        <translation>恢复温度补偿</translation>
    </message>
    <message id="Monitor(&amp;M)">
        <source></source>
        <translation>监视(&amp;M)</translation>
    </message>
    <message id="Reset Device">
        <source></source>
        <translation>复位设备</translation>
    </message>
    <message id="Monitor PV">
        <source></source>
        <translation>监视 PV</translation>
    </message>
    <message id="Monitor Loop">
        <source></source>
        <translation>监视回路电流</translation>
    </message>
    <message id="Monitor Percentage">
        <source></source>
        <translation>监视百分比</translation>
    </message>
    <message id="Monitor All">
        <source></source>
        <translation>全部监视</translation>
    </message>
    <message id="Tools(&amp;T)">
        <source></source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message id="Online Test">
        <source></source>
        <translation>在线测试</translation>
    </message>
    <message id="Polling">
        <source></source>
        <translation>轮询</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>恢复出厂设置</translation>
    </message>
    <message id="Calculator">
        <source></source>
        <translation>计算器</translation>
    </message>
    <message id="Default Parameters">
        <source></source>
        <translation>默认参数</translation>
    </message>
    <message id="Info Look(&amp;L)">
        <source></source>
        <translation>信息(&amp;L)</translation>
    </message>
    <message id="Hardware/Software Infomations">
        <source></source>
        <translation>硬件/软件信息</translation>
    </message>
    <message id="Communication Log">
        <source></source>
        <translation>通信记录</translation>
    </message>
    <message id="Device History">
        <source></source>
        <translation>设备历史</translation>
    </message>
    <message id="About  Tellavo(&amp;A)...">
        <source></source>
        <translation>关于 Tellavo(&amp;A)...</translation>
    </message>
    <message id="Serial Port : COM%1">
        <source></source>
        <translation>串口：COM%1</translation>
    </message>
    <message id="Serial Port : ">
        <source></source>
        <translation>串口：</translation>
    </message>
    <message id="Device History cannot be shown: ">
        <source></source>
        <translation>无法显示设备历史：</translation>
    </message>
    <message id="Factory Calibration">
        <source></source>
        <translation>出厂标定</translation>
    </message>
    <message id="PV Parameters">
        <source></source>
        <translation>PV 参数</translation>
    </message>
    <message id="Loop &amp; PGA Settings">
        <source></source>
        <translation>回路与 PGA 设置</translation>
    </message>
    <message id="Pressure Calibration">
        <source></source>
        <translation>压力标定</translation>
    </message>
    <message id="Calibration Check">
        <source></source>
        <translation>校准检验</translation>
    </message>
    <message id="Subentry Settings">
        <source></source>
        <translation>分项设置</translation>
    </message>
    <message id="Instrument Number">
        <source></source>
        <translation>仪表编号</translation>
    </message>
    <message id="Instrument Detail">
        <source></source>
        <translation>仪表详情</translation>
    </message>
    <message id="Rerange Without Pressure">
        <source></source>
        <translation>无压迁移</translation>
    </message>
    <message id="Two Point Trim">
        <source></source>
        <translation>两点微调</translation>
    </message>
    <message id="Loop Out Character">
        <source></source>
        <translation>回路输出特性</translation>
    </message>
    <message id="Damping Time">
        <source></source>
        <translation>阻尼时间</translation>
    </message>
    <message id="Filter">
        <source></source>
        <translation>滤波</translation>
    </message>
    <message id="Special Parameters Settings">
        <source></source>
        <translation>特殊参数设置</translation>
    </message>
    <message id="SV Settings">
        <source></source>
        <translation>SV 设置</translation>
    </message>
    <message id="Monitor Process">
        <source></source>
        <translation>过程监视</translation>
    </message>
    <message id="Device Reset">
        <source></source>
        <translation>设备复位</translation>
    </message>
    <message id="Polling Device">
        <source></source>
        <translation>轮询设备</translation>
    </message>
    <message id="Stop Communication">
        <source></source>
        <translation>停止通信</translation>
    </message>
    <message id="Normal">
        <source></source>
        <translation>正常</translation>
    </message>
    <message id="Broadcast">
        <source></source>
        <translation>广播</translation>
    </message>
    <message id="Commands:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>命令：</numerusform>
        </translation>
    </message>
    <message id="all; or e.g. 1, 15, 48">
        <source></source>
        <translation>全部；或如 1, 15, 48</translation>
    </message>
    <message id="Clear" numerus="yes">
        <source></source>
        <translation>
            <numerusform>清除</numerusform>
        </translation>
    </message>
    <message id="Save..." numerus="yes">
        <source></source>
        <translation>
            <numerusform>保存...</numerusform>
        </translation>
    </message>
    <message id="Commands are numbers from 0 to 255, separated by commas">
        <source></source>
        <translation>命令为 0 到 255 的数字，以逗号分隔</translation>
    </message>
    <message id="The log shows no frames to save">
        <source></source>
        <translation>记录中没有可保存的帧</translation>
    </message>
    <message id="Download complete: ">
        <source></source>
        <translation>下载完成：</translation>
    </message>
    <message id="The device at station number ">
        <source></source>
        <translation>站号处的设备 </translation>
    </message>
    <message id="Devices:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>设备：</numerusform>
        </translation>
    </message>
    <message id="Filter:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>筛选：</numerusform>
        </translation>
    </message>
    <message id="all records; or text in the operation, detail, result, tag, station or user">
        <source></source>
        <translation>全部记录；或操作、详情、结果、位号、站号或用户中的文字</translation>
    </message>
    <message id="Choose a device in the list first">
        <source></source>
        <translation>请先在列表中选择设备</translation>
    </message>
    <message id="The window shows no records to export">
        <source></source>
        <translation>窗口中没有可导出的记录</translation>
    </message>
    <message id="Compare - ">
        <source></source>
        <translation>比较 - </translation>
    </message>
    <message id="Reading the device's uploads and downloads...">
        <source></source>
        <translation>正在读取设备的上传和下载记录...</translation>
    </message>
    <message id="Data file (.Hart)..." numerus="yes">
        <source></source>
        <translation>
            <numerusform>数据文件 (.Hart)...</numerusform>
        </translation>
    </message>
    <message id="The device now" numerus="yes">
        <source></source>
        <translation>
            <numerusform>设备当前</numerusform>
        </translation>
    </message>
    <message id="Choose an image">
        <source></source>
        <translation>选择一个映像</translation>
    </message>
    <message id="The records cannot be read: ">
        <source></source>
        <translation>无法读取记录：</translation>
    </message>
    <message id="Reading the device...">
        <source></source>
        <translation>正在读取设备...</translation>
    </message>
    <message id="The device was not read">
        <source></source>
        <translation>未读取设备</translation>
    </message>
    <message id="Reading the image...">
        <source></source>
        <translation>正在读取映像...</translation>
    </message>
    <message id="Choose an image on each side">
        <source></source>
        <translation>请在两侧各选择一个映像</translation>
    </message>
    <message id="Read" numerus="yes">
        <source></source>
        <translation>
            <numerusform>读取</numerusform>
        </translation>
    </message>
    <message id="℃" numerus="yes">
        <source></source>
        <translation>
            <numerusform>°C</numerusform>
        </translation>
    </message>
    <message id="Sampling" numerus="yes">
        <source></source>
        <translation>
            <numerusform>采样</numerusform>
        </translation>
    </message>
    <message id="Stop" numerus="yes">
        <source></source>
        <translation>
            <numerusform>停止</numerusform>
        </translation>
    </message>
    <message id="Update" numerus="yes">
        <source></source>
        <translation>
            <numerusform>更新</numerusform>
        </translation>
    </message>
    <message id="Read Correction" numerus="yes">
        <source></source>
        <translation>
            <numerusform>读取修正值</numerusform>
        </translation>
    </message>
    <message id="Invalid Temperature">
        <source></source>
        <translation>温度无效</translation>
    </message>
    <message id="Temperature Diodes errors : ">
        <source></source>
        <translation>温度二极管错误：</translation>
    </message>
    <message id="Select Current Temperature Level">
        <source></source>
        <translation>选择当前温度点</translation>
    </message>
    <message id="Get data of 2 points at least!">
        <source></source>
        <translation>请至少获取 2 个点的数据！</translation>
    </message>
    <message id="Test" numerus="yes">
        <source></source>
        <translation>
            <numerusform>测试</numerusform>
        </translation>
    </message>
    <message id="Test points (% of range)">
        <source></source>
        <translation>测试点（量程的 %）</translation>
    </message>
    <message id="PV tolerance">
        <source></source>
        <translation>PV 允差</translation>
    </message>
    <message id="Loop current tolerance">
        <source></source>
        <translation>回路电流允差</translation>
    </message>
    <message id="Decision rule">
        <source></source>
        <translation>判定规则</translation>
    </message>
    <message id="Ambient">
        <source></source>
        <translation>环境</translation>
    </message>
    <message id="°C">
        <source></source>
        <translation>°C</translation>
    </message>
    <message id="%RH">
        <source></source>
        <translation>%RH</translation>
    </message>
    <message id="Reference standard" numerus="yes">
        <source></source>
        <translation>
            <numerusform>参考标准</numerusform>
        </translation>
    </message>
    <message id="Reference">
        <source></source>
        <translation>参考</translation>
    </message>
    <message id="Serial number">
        <source></source>
        <translation>序列号</translation>
    </message>
    <message id="Uncertainty (k = 2)">
        <source></source>
        <translation>不确定度（k = 2）</translation>
    </message>
    <message id="Calibration due">
        <source></source>
        <translation>校准到期</translation>
    </message>
    <message id="yyyy-MM-dd">
        <source></source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message id="Technician">
        <source></source>
        <translation>技术员</translation>
    </message>
    <message id="Run" numerus="yes">
        <source></source>
        <translation>
            <numerusform>运行</numerusform>
        </translation>
    </message>
    <message id="Set up the check and press Start As Found." numerus="yes">
        <source></source>
        <translation>
            <numerusform>设置检验后按“Start As Found”。</numerusform>
        </translation>
    </message>
    <message id="Adjust between the runs:" numerus="yes">
        <source></source>
        <translation>
            <numerusform>两次运行之间的调整：</numerusform>
        </translation>
    </message>
    <message id="Test points: ">
        <source></source>
        <translation>测试点：</translation>
    </message>
    <message id="Humidity: a relative humidity lies between 0 and 100 %RH.">
        <source></source>
        <translation>湿度：相对湿度应在 0 到 100 %RH 之间。</translation>
    </message>
    <message id="Reference: please enter the reference standard's name and serial number.">
        <source></source>
        <translation>参考：请输入参考标准的名称和序列号。</translation>
    </message>
    <message id="Uncertainty (k = 2): an uncertainty is not negative.">
        <source></source>
        <translation>不确定度（k = 2）：不确定度不能为负。</translation>
    </message>
    <message id="Calibration due: please enter the reference's calibration due date as yyyy-MM-dd.">
        <source></source>
        <translation>校准到期：请按 yyyy-MM-dd 输入参考标准的校准到期日期。</translation>
    </message>
    <message id="Calibration due: the reference standard was due for calibration on ">
        <source></source>
        <translation>校准到期：参考标准的校准到期日为 </translation>
    </message>
    <message id="Technician: please enter the name of who makes the check.">
        <source></source>
        <translation>技术员：请输入检验人员的姓名。</translation>
    </message>
    <message id="Start As Found or Start As Left first.">
        <source></source>
        <translation>请先运行“Start As Found”或“Start As Left”。</translation>
    </message>
    <message id="The reference reading at ">
        <source></source>
        <translation>参考读数，测试点 </translation>
    </message>
    <message id="The certificate could not be drawn.">
        <source></source>
        <translation>无法生成证书。</translation>
    </message>
    <message id="Certificate saved: ">
        <source></source>
        <translation>证书已保存：</translation>
    </message>
    <message id="Damping Time (0~100)">
        <source></source>
        <translation>阻尼时间 (0~100)</translation>
    </message>
    <message id="S">
        <source></source>
        <translation>s</translation>
    </message>
    <message id="Filter Configuration">
        <source></source>
        <translation>滤波配置</translation>
    </message>
    <message id="Inhibition ratio">
        <source></source>
        <translation>抑制比</translation>
    </message>
    <message id="%">
        <source></source>
        <translation>%</translation>
    </message>
    <message id="Device Details">
        <source></source>
        <translation>设备详情</translation>
    </message>
    <message id="Station Tag (Within 8 ASCII)">
        <source></source>
        <translation>位号（8 个 ASCII 字符以内）</translation>
    </message>
    <message id="Station Description (Within 16 ASCII)">
        <source></source>
        <translation>描述（16 个 ASCII 字符以内）</translation>
    </message>
    <message id="Device Message (Within 32 ASCII)">
        <source></source>
        <translation>设备信息（32 个 ASCII 字符以内）</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>日期</translation>
    </message>
    <message id="Y">
        <source></source>
        <translation>年</translation>
    </message>
    <message id="M">
        <source></source>
        <translation>月</translation>
    </message>
    <message id="D">
        <source></source>
        <translation>日</translation>
    </message>
    <message id="Device Number">
        <source></source>
        <translation>设备编号</translation>
    </message>
    <message id="Polling Address(0~15)">
        <source></source>
        <translation>短地址 (0~15)</translation>
    </message>
    <message id="Assembly Number(0~8388608)">
        <source></source>
        <translation>装配编号 (0~8388608)</translation>
    </message>
    <message id="Lot ID（Y:2.M:1.Lot:5）">
        <source></source>
        <translation>批号（年:2.月:1.批:5）</translation>
    </message>
    <message id="Zero Trim">
        <source></source>
        <translation>零点微调</translation>
    </message>
    <message id="Temperature(DIE)">
        <source></source>
        <translation>温度 (DIE)</translation>
    </message>
    <message id="Density compensation function">
        <source></source>
        <translation>密度补偿功能</translation>
    </message>
    <message id="Loop Alarm Type">
        <source></source>
        <translation>回路报警类型</translation>
    </message>
    <message id="Display Mode">
        <source></source>
        <translation>显示模式</translation>
    </message>
    <message id="Number Format">
        <source></source>
        <translation>数字格式</translation>
    </message>
    <message id="DIE Temperature">
        <source></source>
        <translation>DIE 温度</translation>
    </message>
    <message id="°F">
        <source></source>
        <translation>°F</translation>
    </message>
    <message id="K">
        <source></source>
        <translation>K</translation>
    </message>
    <message id="Display Duty Cycle">
        <source></source>
        <translation>显示占空比</translation>
    </message>
    <message id="% (10%~90%)">
        <source></source>
        <translation>% (10%~90%)</translation>
    </message>
    <message id="Start" numerus="yes">
        <source></source>
        <translation>
            <numerusform>开始</numerusform>
        </translation>
    </message>
    <message id="Save CSV" numerus="yes">
        <source></source>
        <translation>
            <numerusform>保存 CSV</numerusform>
        </translation>
    </message>
    <message id="No samples to save.">
        <source></source>
        <translation>没有可保存的采样。</translation>
    </message>
    <message id="Device Message(32 ASCII)">
        <source></source>
        <translation>设备信息（32 个 ASCII 字符）</translation>
    </message>
    <message id="Sensor Information" numerus="yes">
        <source></source>
        <translation>
            <numerusform>传感器信息</numerusform>
        </translation>
    </message>
    <message id="Sensor Lower Range Limit">
        <source></source>
        <translation>传感器量程下限</translation>
    </message>
    <message id="Sensor Upper Range Limit">
        <source></source>
        <translation>传感器量程上限</translation>
    </message>
    <message id="Sensor Unit">
        <source></source>
        <translation>传感器单位</translation>
    </message>
    <message id="Sensor Type">
        <source></source>
        <translation>传感器类型</translation>
    </message>
    <message id="Range Index">
        <source></source>
        <translation>量程索引</translation>
    </message>
    <message id="Sensor Excitation">
        <source></source>
        <translation>传感器激励</translation>
    </message>
    <message id="Maximum Resistance">
        <source></source>
        <translation>最大电阻</translation>
    </message>
    <message id="Device Information" numerus="yes">
        <source></source>
        <translation>
            <numerusform>设备信息</numerusform>
        </translation>
    </message>
    <message id="PV Lower Range Limit">
        <source></source>
        <translation>PV 量程下限</translation>
    </message>
    <message id="PV Upper Range Limit">
        <source></source>
        <translation>PV 量程上限</translation>
    </message>
    <message id="PV Unit">
        <source></source>
        <translation>PV 单位</translation>
    </message>
    <message id="Assembly ID">
        <source></source>
        <translation>装配号</translation>
    </message>
    <message id="Special Configuration" numerus="yes">
        <source></source>
        <translation>
            <numerusform>特殊配置</numerusform>
        </translation>
    </message>
    <message id="Transfer Function">
        <source></source>
        <translation>传递函数</translation>
    </message>
    <message id="Pressure Modes">
        <source></source>
        <translation>压力模式</translation>
    </message>
    <message id="Loop Trim">
        <source></source>
        <translation>回路微调</translation>
    </message>
    <message id="Use 250ohm for measurement" numerus="yes">
        <source></source>
        <translation>
            <numerusform>使用 250 Ω 电阻测量</numerusform>
        </translation>
    </message>
    <message id="DA Zero Out">
        <source></source>
        <translation>DA 零点输出</translation>
    </message>
    <message id="Check" numerus="yes">
        <source></source>
        <translation>
            <numerusform>检查</numerusform>
        </translation>
    </message>
    <message id="DA Span Out">
        <source></source>
        <translation>DA 满度输出</translation>
    </message>
    <message id="Send" numerus="yes">
        <source></source>
        <translation>
            <numerusform>发送</numerusform>
        </translation>
    </message>
    <message id="Check Loop">
        <source></source>
        <translation>回路检查</translation>
    </message>
    <message id="mA">
        <source></source>
        <translation>mA</translation>
    </message>
    <message id="Checking" numerus="yes">
        <source></source>
        <translation>
            <numerusform>检查中</numerusform>
        </translation>
    </message>
    <message id="Finish Loop Check" numerus="yes">
        <source></source>
        <translation>
            <numerusform>结束回路检查</numerusform>
        </translation>
    </message>
    <message id="Reconfig Range">
        <source></source>
        <translation>重设量程</translation>
    </message>
    <message id="PV LRL">
        <source></source>
        <translation>PV 量程下限</translation>
    </message>
    <message id="PV URL">
        <source></source>
        <translation>PV 量程上限</translation>
    </message>
    <message id="LRV(4mA)">
        <source></source>
        <translation>量程下限值 (4 mA)</translation>
    </message>
    <message id="URV(20mA)">
        <source></source>
        <translation>量程上限值 (20 mA)</translation>
    </message>
    <message id="Unit">
        <source></source>
        <translation>单位</translation>
    </message>
    <message id="Measured PV">
        <source></source>
        <translation>测得 PV</translation>
    </message>
    <message id="Actual PV">
        <source></source>
        <translation>实际 PV</translation>
    </message>
    <message id="PV Low Trim" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV 低点微调</numerusform>
        </translation>
    </message>
    <message id="PV High Trim" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV 高点微调</numerusform>
        </translation>
    </message>
    <message id="PV Zero Trim" numerus="yes">
        <source></source>
        <translation>
            <numerusform>PV 零点微调</numerusform>
        </translation>
    </message>
    <message id="Tools">
        <source></source>
        <translation>工具</translation>
    </message>
    <message id="Calculation mA" numerus="yes">
        <source></source>
        <translation>
            <numerusform>计算 mA</numerusform>
        </translation>
    </message>
    <message id="4mA Pressure">
        <source></source>
        <translation>4 mA 压力</translation>
    </message>
    <message id="20mA Pressure">
        <source></source>
        <translation>20 mA 压力</translation>
    </message>
    <message id="Input Pressure">
        <source></source>
        <translation>输入压力</translation>
    </message>
    <message id="Loop mA">
        <source></source>
        <translation>回路 mA</translation>
    </message>
    <message id="Calculation PV" numerus="yes">
        <source></source>
        <translation>
            <numerusform>计算 PV</numerusform>
        </translation>
    </message>
    <message id="AD calculation" numerus="yes">
        <source></source>
        <translation>
            <numerusform>AD 计算</numerusform>
        </translation>
    </message>
    <message id="Low Pressure">
        <source></source>
        <translation>低压</translation>
    </message>
    <message id="AD - Low">
        <source></source>
        <translation>AD - 低</translation>
    </message>
    <message id="High Pressure">
        <source></source>
        <translation>高压</translation>
    </message>
    <message id="AD - High">
        <source></source>
        <translation>AD - 高</translation>
    </message>
    <message id="Zero ADC">
        <source></source>
        <translation>零点 ADC</translation>
    </message>
    <message id="Span ADC">
        <source></source>
        <translation>满度 ADC</translation>
    </message>
    <message id="Calculation AD" numerus="yes">
        <source></source>
        <translation>
            <numerusform>计算 AD</numerusform>
        </translation>
    </message>
    <message id="0">
        <source></source>
        <translation>0</translation>
    </message>
    <message id="Default Params">
        <source></source>
        <translation>默认参数</translation>
    </message>
    <message id="Online Test Before Update" numerus="yes">
        <source></source>
        <translation>
            <numerusform>更新前先在线测试</numerusform>
        </translation>
    </message>
    <message id="Serial Port">
        <source></source>
        <translation>串口</translation>
    </message>
    <message id="Polling Address">
        <source></source>
        <translation>短地址</translation>
    </message>
    <message id="Index Range">
        <source></source>
        <translation>量程索引</translation>
    </message>
    <message id="Lower Range Limit">
        <source></source>
        <translation>量程下限</translation>
    </message>
    <message id="Upper Range Limit">
        <source></source>
        <translation>量程上限</translation>
    </message>
    <message id="OK" numerus="yes">
        <source></source>
        <translation>
            <numerusform>确定</numerusform>
        </translation>
    </message>
    <message id="Hardware and software information">
        <source></source>
        <translation>硬件和软件信息</translation>
    </message>
    <message id="Software Version">
        <source></source>
        <translation>软件版本</translation>
    </message>
    <message id="Hardware Version">
        <source></source>
        <translation>硬件版本</translation>
    </message>
    <message id="Query" numerus="yes">
        <source></source>
        <translation>
            <numerusform>查询</numerusform>
        </translation>
    </message>
    <message id="Calibration certificate ">
        <source></source>
        <translation>校准证书 </translation>
    </message>
    <message id="Communication Port Error">
        <source></source>
        <translation>通信端口错误</translation>
    </message>
    <message id="No Device">
        <source></source>
        <translation>无设备</translation>
    </message>
    <message id="Busy!Try later.">
        <source></source>
        <translation>忙！请稍后再试。</translation>
    </message>
    <message id="Busy! Try later.">
        <source></source>
        <translation>忙！请稍后再试。</translation>
    </message>
    <message id="Online Device Searching?">
        <source></source>
        <translation>搜索在线设备？</translation>
    </message>
    <message id="s">
        <source></source>
        <translation>s</translation>
    </message>
    <message id="Invalid Damping Time">
        <source></source>
        <translation>阻尼时间无效</translation>
    </message>
    <message id="Year Input Error">
        <source></source>
        <translation>年份输入错误</translation>
    </message>
    <message id="Month Input Error">
        <source></source>
        <translation>月份输入错误</translation>
    </message>
    <message id="Day Input Error">
        <source></source>
        <translation>日期输入错误</translation>
    </message>
    <message id="短地址数据不合理">
        <source></source>
        <translation>短地址数据不合理</translation>
    </message>
    <message id="当前装配编号数据不合理">
        <source></source>
        <translation>当前装配编号数据不合理</translation>
    </message>
    <message id="Lot ID">
        <source></source>
        <translation>批号</translation>
    </message>
    <message id="Loop Function">
        <source></source>
        <translation>回路函数</translation>
    </message>
    <message id="Linear">
        <source></source>
        <translation>线性</translation>
    </message>
    <message id="SQRT">
        <source></source>
        <translation>开方</translation>
    </message>
    <message id="No compensation">
        <source></source>
        <translation>无补偿</translation>
    </message>
    <message id="1-order compensation">
        <source></source>
        <translation>一阶补偿</translation>
    </message>
    <message id="2-order compensation">
        <source></source>
        <translation>二阶补偿</translation>
    </message>
    <message id="Invalid Duty Cycle">
        <source></source>
        <translation>占空比无效</translation>
    </message>
    <message id="SV Display Mode">
        <source></source>
        <translation>SV 显示模式</translation>
    </message>
    <message id="SV Display Off">
        <source></source>
        <translation>不显示 SV</translation>
    </message>
    <message id="SV ON C">
        <source></source>
        <translation>显示 SV °C</translation>
    </message>
    <message id="SV ON F">
        <source></source>
        <translation>显示 SV °F</translation>
    </message>
    <message id="SV On K">
        <source></source>
        <translation>显示 SV K</translation>
    </message>
    <message id="+5V">
        <source></source>
        <translation>+5 V</translation>
    </message>
    <message id="1.5mA">
        <source></source>
        <translation>1.5 mA</translation>
    </message>
    <message id="1mA">
        <source></source>
        <translation>1 mA</translation>
    </message>
    <message id="0.75mA">
        <source></source>
        <translation>0.75 mA</translation>
    </message>
    <message id="0.5mA">
        <source></source>
        <translation>0.5 mA</translation>
    </message>
    <message id="0.25mA">
        <source></source>
        <translation>0.25 mA</translation>
    </message>
    <message id="Display PV">
        <source></source>
        <translation>显示 PV</translation>
    </message>
    <message id="Display F.S.%">
        <source></source>
        <translation>显示满度 %</translation>
    </message>
    <message id="Display Loop mA">
        <source></source>
        <translation>显示回路 mA</translation>
    </message>
    <message id="20.8mA">
        <source></source>
        <translation>20.8 mA</translation>
    </message>
    <message id="3.8mA">
        <source></source>
        <translation>3.8 mA</translation>
    </message>
    <message id="Saturated">
        <source></source>
        <translation>饱和</translation>
    </message>
    <message id="Integer">
        <source></source>
        <translation>整数</translation>
    </message>
    <message id="1 decimal">
        <source></source>
        <translation>1 位小数</translation>
    </message>
    <message id="2 decimal">
        <source></source>
        <translation>2 位小数</translation>
    </message>
    <message id="3 decimal">
        <source></source>
        <translation>3 位小数</translation>
    </message>
    <message id="Gauge Modes">
        <source></source>
        <translation>表压模式</translation>
    </message>
    <message id="Absolute Modes">
        <source></source>
        <translation>绝压模式</translation>
    </message>
    <message id="第一点值超出范围">
        <source></source>
        <translation>第一点值超出范围</translation>
    </message>
    <message id="第二点值超出范围">
        <source></source>
        <translation>第二点值超出范围</translation>
    </message>
    <message id="Check[Get]Button!">
        <source></source>
        <translation>请先按“检查”获取数据！</translation>
    </message>
    <message id="Zero Trim ?">
        <source></source>
        <translation>零点微调？</translation>
    </message>
    <message id="请输入一个数字。">
        <source></source>
        <translation>请输入一个数字。</translation>
    </message>
    <message id="请输入一个正整数。">
        <source></source>
        <translation>请输入一个正整数。</translation>
    </message>
    <message id="Display PV ">
        <source></source>
        <translation>显示 PV</translation>
    </message>
    <message id="Thermal Effective">
        <source></source>
        <translation>温度影响</translation>
    </message>
    <message id="℃ (≥0℃)">
        <source></source>
        <translation>°C (≥0 °C)</translation>
    </message>
    <message id="Thermal Direct Loop Trim">
        <source></source>
        <translation>温度直接回路微调</translation>
    </message>
    <message id="%(-50%~50%)">
        <source></source>
        <translation>% (-50%~50%)</translation>
    </message>
    <message id="Area">
        <source></source>
        <translation>面积</translation>
    </message>
    <message id="m2(>0)">
        <source></source>
        <translation>m2 (&gt;0)</translation>
    </message>
    <message id="Density">
        <source></source>
        <translation>密度</translation>
    </message>
    <message id="g/cm3(0.000081~22.65)">
        <source></source>
        <translation>g/cm3 (0.000081~22.65)</translation>
    </message>
    <message id="High">
        <source></source>
        <translation>高度</translation>
    </message>
    <message id="m">
        <source></source>
        <translation>m</translation>
    </message>
    <message id="PS32 Capacity Ceramic">
        <source></source>
        <translation>PS32 电容陶瓷</translation>
    </message>
    <message id="PS18 Capacity Ceramic">
        <source></source>
        <translation>PS18 电容陶瓷</translation>
    </message>
    <message id="181 Piezoresistive Ceramic">
        <source></source>
        <translation>181 压阻陶瓷</translation>
    </message>
    <message id="182 Piezoresistive Ceramic">
        <source></source>
        <translation>182 压阻陶瓷</translation>
    </message>
    <message id="Piezoresistive Silicon">
        <source></source>
        <translation>压阻硅</translation>
    </message>
    <message id="Metal Capacitive Sensor">
        <source></source>
        <translation>金属电容传感器</translation>
    </message>
    <message id="Magnetism rolling board">
        <source></source>
        <translation>磁翻板</translation>
    </message>
    <message id="High Stability Sililcon">
        <source></source>
        <translation>高稳定性硅</translation>
    </message>
    <message id="MIDA Sapphire Silicon">
        <source></source>
        <translation>MIDA 蓝宝石硅</translation>
    </message>
    <message id="Sputtered Thin Film">
        <source></source>
        <translation>溅射薄膜</translation>
    </message>
    <message id="Strain Type Sensor">
        <source></source>
        <translation>应变式传感器</translation>
    </message>
    <message id="Weighting sensor">
        <source></source>
        <translation>称重传感器</translation>
    </message>
    <message id="Connection">
        <source></source>
        <translation>连接</translation>
    </message>
    <message id="Connect Through">
        <source></source>
        <translation>连接方式</translation>
    </message>
    <message id="HART-IP Host">
        <source></source>
        <translation>HART-IP 主机</translation>
    </message>
    <message id="HART-IP Port">
        <source></source>
        <translation>HART-IP 端口</translation>
    </message>
    <message id="Reply Time-out">
        <source></source>
        <translation>应答超时</translation>
    </message>
</context>
</TS>
